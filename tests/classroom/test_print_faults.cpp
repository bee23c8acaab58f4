// SPDX-License-Identifier: GPL-3.0-or-later
// Faults of the platform and of pasted text, met by the game as it ships:
// prints into a full disk and to a printer that refuses the job are told,
// never taken for done; names and typed numbers with control characters or
// right-to-left text cannot disturb the sentences they stand in.
#include "game/game_support.h"

#include "app/assembly.h"
#include "base/delay.h"
#include "classroom/classroom.h"
#include "classroom/fetch_dialog.h"
#include "classroom/stats_window.h"
#include "support/dialogs.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace gametest;

namespace {

const QString Queue = QStringLiteral("Klasseprinter");

// Writes until the filesystem of `dir` takes no more, then gives back `free`
// bytes.
bool Fill(const QDir& dir, qint64 free)
{
    QFile fill(dir.filePath(QStringLiteral("fyld")));
    if (!fill.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (fill.write(block) == block.size()) {
    }
    fill.close();
    return free == 0 || fill.resize(std::max<qint64>(0, fill.size() - free));
}

bool CompletePdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    return data.startsWith("%PDF-") && data.right(1024).contains("%%EOF");
}

} // namespace

class TestPrintFaults : public QObject {
    Q_OBJECT
    TTestClock FClock;
    TRecordingSound FSound;
    std::unique_ptr<TfmBraet> W;
    TClassroom* C = nullptr;
    QTemporaryDir FCups;

    void TaskFromPlate()
    {
        Put(*W, 2, mcHoles, 4);
        W->bbKoerPladeClick();
        W->bbOverfoerPladeClick();
    }
    // The save dialog answered with `file`.
    static void SaveAs(const QString& file)
    {
        OnDialog([file](QDialog* d) {
            if (auto* files = qobject_cast<QFileDialog*>(d))
                files->selectFile(file);
            d->accept();
        });
    }
    static void Name(const QString& name)
    {
        OnDialog([name](QDialog* d) {
            if (auto* input = qobject_cast<QInputDialog*>(d)) {
                input->setTextValue(name);
                input->accept();
            }
        });
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Read once by CUPS; nothing listens there until the printer test.
        qputenv("CUPS_SERVER", QFile::encodeName(FCups.filePath(QStringLiteral("cups.sock"))));
    }
    void init()
    {
        ClearQuitRequest();
        W = AssembleGame(&FSound);
        W->FormActivate();
        C = W->findChild<TClassroom*>();
    }
    void cleanup() { W.reset(); }

    // Ctrl+P, the statistics' "Udskriv" and a worksheet into a full
    // filesystem: each says so and leaves the folder as it was (an older
    // file of the same name whole). With room again the print comes out.
    void fullDisk()
    {
        if (geteuid() != 0)
            QSKIP("Printing into a full disk needs a small filesystem of its own, and mounting one needs root: "
                  "run this test as root to include it.");
        QTemporaryDir dir;
        QProcess mount;
        mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                              QStringLiteral("size=64k"), QStringLiteral("tmpfs"), dir.path()});
        if (!mount.waitForFinished(10000) || mount.exitCode() != 0)
            QSKIP(qPrintable(QStringLiteral("mounting a tmpfs is not allowed here: ")
                             + QString::fromLocal8Bit(mount.readAllStandardError())));
        const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {dir.path()}); });
        const QDir disk(dir.path());
        const QString task = disk.filePath(QStringLiteral("opgave.pdf"));
        {
            QFile old(task);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("den gamle udskrift");
        }
        const QStringList before{QStringLiteral("fyld"), QStringLiteral("opgave.pdf")};
        const QString noRoom = QStringLiteral("\n\nDer er ikke plads nok på disken til PDF-filen.");
        TaskFromPlate();
        QPrinter& printer = W->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(task);
        // Full, and with one page of 4 KiB free.
        for (const qint64 free : {qint64(0), qint64(4096)}) {
            QVERIFY(Fill(disk, free));
            TDialogAnswer ok(QStringLiteral("OK"));
            QTest::keyClick(W.get(), Qt::Key_P, Qt::ControlModifier);
            QVERIFY(ok.Seen());
            QCOMPARE(ok.Message(), QStringLiteral("Opgaven kunne ikke udskrives.") + noRoom);
            QCOMPARE(disk.entryList(QDir::Files | QDir::Hidden), before);
            QFile old(task);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("den gamle udskrift"));
        }
        QCOMPARE(printer.outputFileName(), task);

        // Without a printer the classroom's prints ask for the file.
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed: the classroom's prints would go to it");
        {
            TDialogAnswer ok(QStringLiteral("OK"));
            SaveAs(disk.filePath(QStringLiteral("statistik.pdf")));
            C->PrintStatistics();
            QVERIFY(ok.Seen());
            QCOMPARE(ok.Message(), QStringLiteral("Statistikken kunne ikke udskrives.") + noRoom);
        }
        {
            TDialogAnswer ok(QStringLiteral("OK"));
            OnDialog([&](QDialog* sheet) {
                SaveAs(disk.filePath(QStringLiteral("ark.pdf")));
                sheet->accept();
            });
            C->Opgaveark1Click();
            QVERIFY(ok.Seen());
            QCOMPARE(ok.Message(), QStringLiteral("Opgavearket kunne ikke udskrives.") + noRoom);
        }
        QCOMPARE(disk.entryList(QDir::Files | QDir::Hidden), before);

        QVERIFY(QFile::remove(disk.filePath(QStringLiteral("fyld"))));
        W->Udskriv1Click();
        QVERIFY(CompletePdf(task));
        QCOMPARE(disk.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("opgave.pdf")});
    }

    // A private CUPS whose default queue rejects jobs: Ctrl+P and the
    // statistics' "Udskriv" say that the printer did not take them.
    void refusingPrinter()
    {
        const QString cupsd = QStandardPaths::findExecutable(
            QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
        if (cupsd.isEmpty())
            QSKIP("cupsd (package cups-daemon) is not installed");
        const QDir root(FCups.path());
        for (const char* sub : {"spool", "cache", "state", "log", "tmp"})
            QVERIFY(root.mkpath(QString::fromLatin1(sub)));
        const auto write = [&](const QString& name, const QString& text) {
            QFile file(root.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0;
        };
        QVERIFY(write(QStringLiteral("cupsd.conf"),
                      QStringLiteral("Listen %1\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                                     "<Location />\nOrder allow,deny\nAllow all\n</Location>\n")
                          .arg(root.filePath(QStringLiteral("cups.sock")))));
        QVERIFY(write(QStringLiteral("cups-files.conf"),
                      QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                     "TempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                     "PageLog %1/log/page_log\nPrintcap %1/printcap\nSandboxing Relaxed\n")
                          .arg(root.path())));
        // Rejecting from the start: its jobs never reach a device.
        QVERIFY(write(QStringLiteral("printers.conf"),
                      QStringLiteral("<DefaultPrinter %1>\nState Idle\nAccepting No\nDeviceURI file:///dev/null\n"
                                     "</DefaultPrinter>\n")
                          .arg(Queue)));
        QProcess server;
        server.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), root.filePath(QStringLiteral("cupsd.conf")),
                             QStringLiteral("-s"), root.filePath(QStringLiteral("cups-files.conf"))});
        const auto stop = qScopeGuard([&] {
            server.terminate();
            server.waitForFinished(5000);
        });
        if (!QTest::qWaitFor([&] { return QPrinterInfo::availablePrinterNames().contains(Queue); }, 10000))
            QSKIP(qPrintable(QStringLiteral("the private cupsd did not start: ")
                             + QString::fromLocal8Bit(server.readAllStandardError())));

        const QString refused = QStringLiteral("\n\nPrinteren \"%1\" tog ikke imod udskriften.").arg(Queue);
        TaskFromPlate();
        QPrinter& printer = W->Printer();
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(Queue);
        {
            TDialogAnswer ok(QStringLiteral("OK"));
            QTest::keyClick(W.get(), Qt::Key_P, Qt::ControlModifier);
            QVERIFY(ok.Seen());
            QCOMPARE(ok.Message(), QStringLiteral("Opgaven kunne ikke udskrives.") + refused);
        }
        {
            TDialogAnswer ok(QStringLiteral("OK"));
            OnDialog([](QDialog* print) { print->accept(); });
            C->PrintStatistics();
            QVERIFY(ok.Seen());
            QCOMPARE(ok.Message(), QStringLiteral("Statistikken kunne ikke udskrives.") + refused);
        }
    }

    // Pasted names keep their letters only; right-to-left text stands
    // isolated in the title, the copy and the message of "Hent opgave";
    // markup is shown as typed.
    void namesAndNumbers()
    {
        Name(QStringLiteral("\x01Ida\x1b[31m Hansen\x7f\u200B"));
        C->Statistik1Click();
        TfmStatistik* window = C->Window();
        QVERIFY(window);
        QCOMPARE(W->FPlayerName, QStringLiteral("Ida[31m Hansen"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Statistik – Ida[31m Hansen – Vorlen"));

        Name(QStringLiteral("\u202EIda Hansen"));
        C->ChangeName();
        QCOMPARE(W->FPlayerName, QStringLiteral("Ida Hansen"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Statistik – Ida Hansen – Vorlen"));

        // Hebrew, and an emoji that keeps its zero-width joiner.
        const QString sara = QStringLiteral("שרה כהן \U0001F469\u200D\U0001F3EB");
        Name(QStringLiteral("\u200F") + sara + QStringLiteral("\u2066"));
        C->ChangeName();
        QCOMPARE(W->FPlayerName, sara);
        const QString isolated = QStringLiteral("\u2068") + sara + QStringLiteral("\u2069");
        QCOMPARE(window->windowTitle(), QStringLiteral("Statistik – ") + isolated + QStringLiteral(" – Vorlen"));
        C->CopyStatistics();
        QVERIFY2(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Vorlen – statistik for ") + isolated
                                                                 + QStringLiteral(", ")),
                 qPrintable(QGuiApplication::clipboard()->text().left(80)));

        Name(QStringLiteral("<b>Ida</b>"));
        C->ChangeName();
        QCOMPARE(window->lbNavn->textFormat(), Qt::PlainText);
        QCOMPARE(window->lbNavn->text(), QStringLiteral("<b>Ida</b>"));

        // "Hent opgave" quotes what was typed.
        TTaskNumber number;
        QCOMPARE(TaskNumberProblem(QStringLiteral("M-\x1b[2J\u202E12"), number).section(u'\n', 0, 0),
                 QStringLiteral("\"M-[2J12\" er ikke et opgavenummer."));
        QCOMPARE(TaskNumberProblem(QStringLiteral("م-١٢"), number).section(u'\n', 0, 0),
                 QStringLiteral("\"\u2068م-١٢\u2069\" er ikke et opgavenummer."));
    }
};

QTEST_MAIN(TestPrintFaults)
#include "test_print_faults.moc"
