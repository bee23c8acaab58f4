// SPDX-License-Identifier: GPL-3.0-or-later
// For the classroom: fetching a task by its number, the statistics of a short
// game, and the worksheet's pages.
#include "game/game_support.h"

#include "app/assembly.h"
#include "classroom/classroom.h"
#include "classroom/fetch_dialog.h"
#include "classroom/stats_log.h"
#include "classroom/stats_print.h"
#include "classroom/stats_window.h"
#include "classroom/worksheet_dialog.h"
#include "classroom/worksheet_print.h"
#include "model/answer_key.h"
#include "model/generator.h"
#include "model/solver.h"
#include "base/delay.h"
#include "support/dialogs.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QFileInfo>
#include <QInputDialog>
#include <QPageSize>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QButtonGroup>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractButton>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QProcess>
#include <QStandardPaths>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace gametest;

class TestClassroom : public QObject, TGameFixture {
    Q_OBJECT
    TClassroom* C = nullptr;

    void Fetch(const QString& number)
    {
        QCOMPARE(C->HentOpgave(number), QString());
    }
    void BuildTask()
    {
        std::vector<TMachineRec> line;
        GenerateTask(W->FTaskNumber->Seed, W->FTaskNumber->Difficulty, &line);
        PutLine(*W, line);
    }
    void Run(TVerdict expected)
    {
        W->bbKoerPladeClick();
        QCOMPARE(W->FVerdict, expected);
    }
    static void Answer(const QString& text)
    {
        OnDialog([text](QDialog* d) {
            if (auto* box = qobject_cast<TfmHentOpgave*>(d)) {
                box->edNummer->setText(text);
                QTest::keyClick(box->edNummer, Qt::Key_Return);
            } else if (auto* input = qobject_cast<QInputDialog*>(d)) {
                input->setTextValue(text);
                input->accept();
            }
        });
    }

private Q_SLOTS:
    void init()
    {
        StartGame();
        C = W->findChild<TClassroom*>();
    }
    void cleanup() { EndGame(); }

    // Ctrl+O's box: the task of the number exactly as StartTask makes it,
    // without "Ny opgave?". A number it cannot read keeps the box open with
    // the text and the reason, and changes nothing until a good one comes.
    void fetchByNumber()
    {
        W->bbLet->click();
        Put(*W, 3, mcRotate, 1);
        OnDialog([](QDialog* d) {
            auto* box = qobject_cast<TfmHentOpgave*>(d);
            QVERIFY(box);
            box->edNummer->setText(QStringLiteral("m-2000 0089"));
            QTest::keyClick(box->edNummer, Qt::Key_Return);
        });
        C->bbHentOpgaveClick();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(W->FTaskNumber, (TTaskNumber{1, 20000089}));
        QVERIFY(SameFields(*W->FTask, GenerateTask(20000089, 1)));
        QCOMPARE(W->FMachines[2]->FMachine.Kind, std::uint8_t(mcNone));
        QVERIFY(C->lbOpgaveNummer->isVisibleTo(W.get()));
        QCOMPARE(C->lbOpgaveNummer->text(), QStringLiteral("M-20000089"));
        QCOMPARE(W->FTaskBox->toolTip(), QStringLiteral("Opgave M-20000089"));

        const TOpgave* task = W->FTask.get();
        Put(*W, 3, mcRotate, 1);
        for (const QString& bad : {QStringLiteral("M-2000008x"), QStringLiteral("S-86400000"),
                                   QStringLiteral("E-00000001"), QStringLiteral("X 12")}) {
            bool stayed = false;
            QString kept, message;
            bool unchanged = false;
            OnDialog([&, this](QDialog* d) {
                auto* box = qobject_cast<TfmHentOpgave*>(d);
                QVERIFY(box);
                box->edNummer->setText(bad);
                QTest::keyClick(box->edNummer, Qt::Key_Return);
                stayed = box->isVisible() && QApplication::activeModalWidget() == box;
                kept = box->edNummer->text();
                message = box->lbFejl->isVisibleTo(box) ? box->lbFejl->text() : QString();
                unchanged = W->FTask.get() == task && W->FMachines[2]->FMachine.Kind == mcRotate;
                box->edNummer->setText(QStringLiteral("S-77"));
                QTest::keyClick(box->edNummer, Qt::Key_Return);
            });
            C->bbHentOpgaveClick();
            QVERIFY(stayed);
            QCOMPARE(kept, bad);
            QVERIFY2(message.contains(bad), qPrintable(message));
            QVERIFY(unchanged);
            QVERIFY(!QApplication::activeModalWidget());
            QCOMPARE(W->FTaskNumber, (TTaskNumber{2, 77}));
            QCOMPARE(W->FMachines[2]->FMachine.Kind, std::uint8_t(mcNone));
            task = W->FTask.get();
            Put(*W, 3, mcRotate, 1);
        }
    }

    // Right at once; wrong then right; wrong twice and replaced unsolved by
    // the produced plate; that plate solved. The open window follows along.
    void statisticsOfAGame()
    {
        Answer(QStringLiteral("Anna"));
        C->Statistik1Click();
        QCOMPARE(W->FPlayerName, QStringLiteral("Anna"));
        TfmStatistik* window = C->Window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Statistik – Anna – Vorlen"));

        Fetch(QStringLiteral("L-5"));
        BuildTask();
        Run(vdRight);
        Fetch(QStringLiteral("M-20000089"));
        Run(vdWrong);
        BuildTask();
        Run(vdRight);
        Run(vdRight); // solved once only
        Fetch(QStringLiteral("S-123"));
        Run(vdWrong);
        Put(*W, 1, mcStripe, 2);
        Run(vdWrong);
        W->bbOverfoerPladeClick();
        // The plate made the task has a number of its own.
        QVERIFY(W->FTaskNumber && W->FTaskNumber->Difficulty == OwnTask);
        const QString own = FormatTaskNumber(*W->FTaskNumber);
        QCOMPARE(C->lbOpgaveNummer->text(), own);
        Run(vdWrong);
        Put(*W, 1, mcStripe, 2);
        Run(vdRight);

        const TStatsLog& log = C->Log();
        const TKindCount expected[] = {{1, 1, 1, 1}, {1, 1, 0, 3}, {1, 0, 0, 2}, {1, 1, 0, 2}};
        for (int kind = 0; kind < KindCount; ++kind) {
            const TKindCount c = log.Count(kind);
            QCOMPARE(c.Given, expected[kind].Given);
            QCOMPARE(c.Solved, expected[kind].Solved);
            QCOMPARE(c.SolvedFirstRun, expected[kind].SolvedFirstRun);
            QCOMPARE(c.Runs, expected[kind].Runs);
        }
        QCOMPARE(log.CurrentStreak(), 0);
        QCOMPARE(log.LongestStreak(), 2);

        QCOMPARE(window->lbCounts[1][3]->text(), QStringLiteral("3"));
        QCOMPARE(window->lvOpgaver->topLevelItemCount(), 4);
        QCOMPARE(window->lvOpgaver->topLevelItem(0)->text(0), own);
        QCOMPARE(window->lvOpgaver->topLevelItem(0)->text(1), QStringLiteral("Egen plade"));
        QCOMPARE(window->lvOpgaver->topLevelItem(2)->text(3), QStringLiteral("ja"));
        QVERIFY(log.Text(W->FPlayerName, QDate(2026, 12, 8), 65000).contains(QStringLiteral("S-123\tSvær\t2\tnej")));
    }

    // The single task's print and the statistics page carry the task's
    // number and the player's name.
    void printsCarryNumberAndName()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        // The page's table is read in layout order, row by row.
        const auto text = [&pdftotext](const QString& pdf) {
            QProcess process;
            process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
            process.waitForFinished(30000);
            return QString::fromUtf8(process.readAllStandardOutput()).simplified();
        };
        QTemporaryDir dir;
        W->FPlayerName = QStringLiteral("Åse");
        Fetch(QStringLiteral("S-77"));
        QPrinter& printer = W->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("opgave.pdf")));
        // Copies set up for the worksheets do not apply to the one task.
        printer.setCopyCount(3);
        W->Udskriv1Click();
        const QString task = text(printer.outputFileName());
        QCOMPARE(task, QStringLiteral("Vorlen – opgave S-77 Navn: Åse Dato: Maskiner:"));
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (!pdfinfo.isEmpty()) {
            QProcess info;
            info.start(pdfinfo, {printer.outputFileName()});
            QVERIFY(info.waitForFinished(30000));
            const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
            QVERIFY2(infoText.contains(QRegularExpression(QStringLiteral("Title: +Vorlen – opgave S-77\\n"))), qPrintable(infoText));
            QVERIFY2(infoText.contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))), qPrintable(infoText));
        }
        printer.setCopyCount(1);

        Run(vdWrong);
        QPrinter page(QPrinter::HighResolution);
        page.setOutputFormat(QPrinter::PdfFormat);
        page.setOutputFileName(dir.filePath(QStringLiteral("statistik.pdf")));
        QVERIFY(PrintStatistics(page, C->Log(), W->FPlayerName, QDate(2026, 12, 8), 61000));
        const QString stats = text(page.outputFileName());
        QVERIFY2(stats.contains(QStringLiteral("Navn: Åse")), qPrintable(stats));
        QVERIFY(stats.contains(QStringLiteral("Spilletid: 1 min 01 s")));
        // The row with the machines used and the fewest; the spaces within
        // "- / 5" come out of the PDF as they may.
        QVERIFY2(QString(stats).remove(u' ').contains(QStringLiteral("S-77Svær1nej-/5")), qPrintable(stats));
    }

    // F9, F6 and Ctrl+O work from the statistics window as from the game's.
    void keysFromTheStatisticsWindow()
    {
        W->FPlayerName = QStringLiteral("Anna");
        W->show();
        W->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(W.get()));
        QTest::keyClick(W.get(), Qt::Key_F9);
        TfmStatistik* stats = C->Window();
        QVERIFY(stats);
        stats->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), stats);

        auto* hare = W->findChild<QToolButton*>(QStringLiteral("bbHurtig"));
        QVERIFY(hare && !hare->isChecked());
        QTest::keyClick(stats, Qt::Key_F6);
        QVERIFY(hare->isChecked());
        QTest::keyClick(stats, Qt::Key_F6);
        QVERIFY(!hare->isChecked());

        QCOMPARE(QApplication::activeWindow(), stats);
        Answer(QStringLiteral("L-5"));
        QTest::keyClick(stats, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(W->FTaskNumber, (TTaskNumber{0, 5}));
    }

    // Letter paper chosen in "Printer opsætning": the worksheet and the
    // statistics come on Letter, every word inside the 15 mm margins.
    void pagesOnTheChosenPaper()
    {
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdfinfo.isEmpty() || pdftotext.isEmpty())
            QSKIP("pdfinfo, pdftotext (poppler-utils) are not installed");
        QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        const auto restore = qScopeGuard([&] { qputenv("HOME", realHome); });
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Documents")));
        W->Printer().setPageSize(QPageSize(QPageSize::Letter));
        W->FPlayerName = QStringLiteral("Anna");
        Fetch(QStringLiteral("M-77"));
        Run(vdWrong);

        OnDialog([](QDialog* sheet) {
            // The key on the sheet's last page, so that its page is measured too.
            if (auto* form = qobject_cast<TfmOpgaveark*>(sheet))
                form->rgFacitliste->button(akLastPage)->click();
            OnDialog([](QDialog* files) { files->accept(); });
            sheet->accept();
        });
        C->Opgaveark1Click();
        OnDialog([](QDialog* files) { files->accept(); });
        C->PrintStatistics();

        const QDir documents(home.filePath(QStringLiteral("Documents")));
        for (const QString& name : {QStringLiteral("Vorlen-opgaveark.pdf"), QStringLiteral("Vorlen-statistik.pdf")}) {
            const QString pdf = documents.filePath(name);
            QVERIFY2(QFileInfo::exists(pdf), qPrintable(name));
            QProcess info;
            info.start(pdfinfo, {pdf});
            QVERIFY(info.waitForFinished(30000));
            const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
            QVERIFY2(infoText.contains(QRegularExpression(QStringLiteral("Page size: +612 x 792 pts"))),
                     qPrintable(infoText));
            QProcess words;
            words.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
            QVERIFY(words.waitForFinished(30000));
            const QString boxes = QString::fromUtf8(words.readAllStandardOutput());
            const QRegularExpression word(QStringLiteral(
                R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"));
            const double margin = 15 / 25.4 * 72 - 1;
            int count = 0;
            for (const QRegularExpressionMatch& m : word.globalMatch(boxes)) {
                ++count;
                const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                 QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
                QVERIFY2(QRectF(margin, margin, 612 - 2 * margin, 792 - 2 * margin).contains(box),
                         qPrintable(name + u' ' + m.captured(5)));
            }
            QVERIFY(count > 20);
        }
        QCOMPARE(documents.entryList(QDir::Files).size(), 2);
    }

    // Six medium tasks: a page of tasks and the answer key; the key's text
    // is the answer lines.
    void worksheetPages()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("ark.pdf")));
        const std::vector<TTaskNumber> tasks = WorksheetTasks(1, 6, 4242);
        QVERIFY(PrintWorksheet(printer, tasks, QDate(2026, 12, 8)));

        QProcess text;
        text.start(pdftotext, {QStringLiteral("-layout"), printer.outputFileName(), QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QChar(u'\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].contains(QStringLiteral("Navn:")));
        QVERIFY(pages[1].contains(QStringLiteral("Facitliste")));
        for (const TTaskNumber& t : tasks) {
            QVERIFY(pages[0].contains(FormatTaskNumber(t)));
            const int at = pages[1].indexOf(FormatTaskNumber(t));
            QVERIFY(at >= 0);
            const QStringList line = AnswerLine(t);
            for (int k = 0; k < line.size(); ++k)
                QVERIFY2(pages[1].indexOf(QStringLiteral("%1. %2").arg(k + 1).arg(line[k]), at) > at,
                         qPrintable(line[k]));
        }
    }

    // "Facitliste: for sig" through the menu as a teacher without a printer
    // meets it: the sheet into one PDF without the key, then a second save
    // dialog and the key with the sheet's tasks into another.
    void answerKeyApart()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed: prints do not go to PDF files");
        QTemporaryDir dir;
        const QString sheet = dir.filePath(QStringLiteral("ark.pdf"));
        const QString key = dir.filePath(QStringLiteral("facit.pdf"));
        const auto save = [](const QString& file) {
            OnDialog([file](QDialog* d) {
                if (auto* files = qobject_cast<QFileDialog*>(d)) {
                    // The name field, as typed: selectFile() is not
                    // taken while the dialog still reads its folder.
                    if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                        name->setText(file);
                    d->accept();
                }
            });
        };
        OnDialog([&](QDialog* d) {
            if (auto* dialog = qobject_cast<TfmOpgaveark*>(d)) {
                dialog->seAntal->setValue(3);
                dialog->rgFacitliste->button(akSeparate)->click();
                dialog->accept();
                save(sheet);
            }
        });
        // Registered once the first save dialog has answered.
        QTimer second;
        second.setInterval(5);
        connect(&second, &QTimer::timeout, this, [&] {
            if (QFileInfo::exists(sheet)) {
                second.stop();
                save(key);
            }
        });
        second.start();
        C->Opgaveark1->trigger();

        const auto text = [&pdftotext](const QString& pdf) {
            QProcess process;
            process.start(pdftotext, {pdf, QStringLiteral("-")});
            process.waitForFinished(30000);
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        const QString sheetText = text(sheet);
        const QString keyText = text(key);
        QVERIFY2(!sheetText.contains(QStringLiteral("Facitliste")), qPrintable(sheetText));
        QVERIFY2(keyText.contains(QStringLiteral("Facitliste")), qPrintable(keyText));
        const QRegularExpression number(QStringLiteral("\\b[LMS]-\\d+\\b"));
        QStringList numbers;
        for (auto it = number.globalMatch(sheetText); it.hasNext();)
            numbers.append(it.next().captured());
        QCOMPARE(numbers.size(), 3);
        for (const QString& n : std::as_const(numbers)) {
            TTaskNumber task;
            QCOMPARE(ParseTaskNumber(n, task), npOk);
            const int at = keyText.indexOf(n);
            QVERIFY2(at >= 0, qPrintable(n));
            QVERIFY(keyText.indexOf(AnswerLine(task).constFirst(), at) > at);
        }
    }

    // A plate built on the floor becomes a task with an own number; the
    // number fetched in a fresh game gives the same task, pixel for pixel,
    // typed as the guide allows. Copying puts the number beside the picture.
    void ownTaskAcrossGames()
    {
        W->bbLet->click();
        PutLine(*W, {TMachineRec{mcHoles, 2, 1}, TMachineRec{mcRotate, 1, 0}, TMachineRec{mcStripe, 0, 0},
                     TMachineRec{mcHoles, 1, 0}, TMachineRec{mcRotate, 2, 0}});
        Run(vdWrong);
        W->bbOverfoerPladeClick();
        QVERIFY(W->FTaskNumber);
        const QString own = FormatTaskNumber(*W->FTaskNumber);
        QCOMPARE(C->lbOpgaveNummer->text(), own);
        QCOMPARE(W->FTaskBox->toolTip(), QStringLiteral("Opgave ") + own);
        const QImage built = W->FTaskBox->grab().toImage();

        W->Kopiertilklippebordet1Click();
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied && copied->hasImage());
        QCOMPARE(copied->text(), own);
        QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(), QSize(80, 81));

        // A second game, as on another machine.
        W.reset();
        W = AssembleGame(&FSound);
        W->FormActivate();
        C = W->findChild<TClassroom*>();
        QString typed = own;
        typed.remove(u'-').insert(5, u' ').insert(1, u' ');
        Answer(typed.toLower());
        C->bbHentOpgaveClick();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(FormatTaskNumber(*W->FTaskNumber), own);
        QCOMPARE(W->FTaskBox->grab().toImage(), built);
        QVERIFY(W->bbPrint->isEnabled());
        // Solving it counts as an own plate.
        std::vector<TMachineRec> line = *ShortestLine(*W->FTask);
        PutLine(*W, line);
        Run(vdRight);
        QCOMPARE(C->Log().Count(OwnTask).Solved, 1);
    }

    // Play time counts while a task is shown or a run goes on, not while
    // the game stands open without a task; the window shows the time and
    // runs since the last right answer of the task shown.
    void playTimeAndTheTaskShown()
    {
        const auto later = [this](std::uint32_t ms) { FClock.SetNow(FClock.Tick() + ms); };
        later(600'000);
        QCOMPARE(C->PlayedMs(), 0u);
        Answer(QStringLiteral("Bo"));
        C->Statistik1Click();
        TfmStatistik* window = C->Window();
        QCOMPARE(window->lbNu->text(), QStringLiteral("Ingen opgave nu."));

        // A run without a task counts its own time.
        std::uint32_t before = FClock.Tick();
        Put(*W, 1, mcStripe, 2);
        W->bbKoerPladeClick();
        const std::uint32_t run = FClock.Tick() - before;
        QVERIFY(run > 1000);
        QCOMPARE(C->PlayedMs(), run);

        later(600'000);
        Fetch(QStringLiteral("M-20000089"));
        const std::uint32_t fetched = FClock.Tick();
        later(90'000);
        Run(vdWrong);
        Run(vdWrong);
        QCOMPARE(C->PlayedMs(), run + (FClock.Tick() - fetched));
        const std::uint32_t sinceGiven = C->Log().Current()->TimeSinceRight(FClock.Tick());
        QVERIFY(sinceGiven > 90'000);
        QTest::qWait(1100); // the window's one-second refresh
        QCOMPARE(window->lbNu->text(), QStringLiteral("Opgaven nu (M-20000089): %1 og 2 kørsler siden den blev givet")
                                           .arg(PlayedText(sinceGiven)));
        BuildTask();
        Run(vdRight);
        later(5'000);
        Put(*W, 8, mcRotate, 0); // a turn of 45 degrees more
        Run(vdWrong);
        QCOMPARE(C->Log().Current()->RunsSinceRight, 1);
        QVERIFY(C->Log().Current()->TimeSinceRight(FClock.Tick()) < sinceGiven);
        C->Statistik1Click();
        QVERIFY2(window->lbNu->text().endsWith(QStringLiteral("og 1 kørsel siden sidste rigtige svar")),
                 qPrintable(window->lbNu->text()));

        // Without a task the clock of play stops.
        const std::uint32_t played = C->PlayedMs();
        W->bbNulstilOpgaveClick();
        later(3'600'000);
        QCOMPARE(C->PlayedMs(), played);
        QVERIFY(!C->Log().Current());
        QCOMPARE(C->Log().Tasks().back().TimeOn(FClock.Tick()), C->Log().Tasks().back().TimeOn(0));
    }

    // "Gem…" saves a CSV a spreadsheet reads: UTF-8 with its mark, a name
    // with a comma, quotes and other letters quoted whole; a folder that is
    // not there is reported and nothing claims success.
    void statisticsAsCsv()
    {
        const QString name = QStringLiteral("Åse \"Ø\", 李 Ωμέγα");
        Answer(name);
        C->Statistik1Click();
        Fetch(QStringLiteral("S-77"));
        Put(*W, 1, mcStripe, 2);
        FClock.SetNow(FClock.Tick() + 42'000);
        Run(vdWrong);
        W->bbOverfoerPladeClick();
        const QString own = FormatTaskNumber(*W->FTaskNumber);
        Run(vdWrong);

        QTemporaryDir dir;
        const auto save = [](const QString& file) {
            OnDialog([file](QDialog* d) {
                if (auto* files = qobject_cast<QFileDialog*>(d)) {
                    if (auto* edit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                        edit->setText(file);
                    d->accept();
                }
            });
        };
        const QString path = dir.filePath(QStringLiteral("klasse.csv"));
        save(path);
        C->Window()->bbGem->click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Navn,Opgave,Sværhed,Trin,Kørsler,Løst,Maskiner brugt,Færrest maskiner,Tip,"
                                          "Tid på opgaven (s)"));
        const QString quoted = QStringLiteral("\"Åse \"\"Ø\"\", 李 Ωμέγα\"");
        // The time on the task: the 42 s waited and the run.
        QVERIFY2(lines[1].startsWith(quoted + QStringLiteral(",S-77,Svær,,1,nej,,5,0,")), qPrintable(lines[1]));
        QVERIFY(lines[1].section(u',', -1).toInt() >= 42);
        QCOMPARE(lines[2], quoted + QStringLiteral(",%1,Egen plade,,1,nej,,1,0,").arg(own) + lines[2].section(u',', -1));

        // A folder that does not exist: the game's message, no file.
        const QString nowhere = dir.filePath(QStringLiteral("mangler/klasse.csv"));
        QString message;
        save(nowhere);
        QTimer report;
        report.setInterval(5);
        connect(&report, &QTimer::timeout, this, [&] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!modal || qobject_cast<QFileDialog*>(modal))
                return;
            if (auto* label = modal->findChild<QLabel*>(QStringLiteral("Message")))
                message = label->text();
            modal->accept();
            report.stop();
        });
        report.start();
        C->SaveStatistics();
        QVERIFY2(message.startsWith(QStringLiteral("Statistikken kunne ikke gemmes")), qPrintable(message));
        QVERIFY(!QFileInfo::exists(nowhere));
        QCOMPARE(CsvField(QStringLiteral("=SUM(A1)")), QStringLiteral("\"'=SUM(A1)\""));
    }

    // A class set of chosen numbers (one own) through the dialog, into a
    // PDF: three copies of the sheet and the key once at the end.
    void worksheetOfChosenNumbers()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed: prints do not go to PDF files");
        PutLine(*W, {TMachineRec{mcHoles, 3, 0}, TMachineRec{mcRotate, 0, 0}, TMachineRec{mcStripe, 2, 0}});
        W->bbKoerPladeClick();
        W->bbOverfoerPladeClick();
        const QString own = FormatTaskNumber(*W->FTaskNumber);
        QTemporaryDir dir;
        const QString sheet = dir.filePath(QStringLiteral("klassesæt.pdf"));
        QString offered, refused;
        OnDialog([&](QDialog* d) {
            auto* dialog = qobject_cast<TfmOpgaveark*>(d);
            QVERIFY(dialog);
            offered = dialog->edNumre->toPlainText();
            dialog->rgKilde->button(ssNumbers)->click();
            dialog->rgFacitliste->button(akLastPage)->click();
            dialog->seKopier->setValue(3);
            // A number that is none keeps the dialog open with the reason.
            dialog->edNumre->setPlainText(QStringLiteral("M-20000089, Q-5"));
            dialog->accept();
            refused = dialog->isVisible() && dialog->lbFejl->isVisibleTo(dialog) ? dialog->lbFejl->text() : QString();
            dialog->edNumre->setPlainText(QStringLiteral("m 2000 0089; S-77\n") + own.toLower().remove(u'-'));
            OnDialog([sheet](QDialog* files) {
                if (auto* edit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                    edit->setText(sheet);
                files->accept();
            });
            dialog->accept();
        });
        C->Opgaveark1Click();
        QCOMPARE(offered, own);
        QVERIFY2(refused.contains(QStringLiteral("\"Q-5\" er ikke et opgavenummer")), qPrintable(refused));

        QProcess text;
        text.start(pdftotext, {QStringLiteral("-layout"), sheet, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QStringList pages =
            QString::fromUtf8(text.readAllStandardOutput()).split(QChar(u'\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 4);
        for (int k = 0; k < 3; ++k) {
            QVERIFY(pages[k].contains(QStringLiteral("Vorlen – opgaveark")));
            QVERIFY(!pages[k].contains(QStringLiteral("Facitliste")));
            QVERIFY(pages[k].contains(QStringLiteral("Side 1 af 1")));
            for (const QString& number : {QStringLiteral("M-20000089"), QStringLiteral("S-77"), own})
                QVERIFY2(pages[k].contains(number), qPrintable(number));
        }
        QVERIFY(pages[3].contains(QStringLiteral("Facitliste")));
        QVERIFY(pages[3].contains(own));
        QVERIFY(pages[3].contains(QStringLiteral("Korteste løsning: 3 maskiner")));
    }
};

QTEST_MAIN(TestClassroom)
#include "test_classroom.moc"
