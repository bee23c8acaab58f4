// SPDX-License-Identifier: GPL-3.0-or-later
// For the classroom: fetching a task by its number, the statistics of a short
// game, and the worksheet's pages.
#include "game/game_support.h"

#include "app/assembly.h"
#include "classroom/classroom.h"
#include "classroom/stats_print.h"
#include "classroom/stats_window.h"
#include "classroom/worksheet_print.h"
#include "model/answer_key.h"
#include "model/generator.h"
#include "base/delay.h"
#include "support/dialogs.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QInputDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace gametest;

class TestClassroom : public QObject {
    Q_OBJECT
    TTestClock FClock;
    TRecordingSound FSound;
    std::unique_ptr<TfmBraet> W;
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
            if (auto* input = qobject_cast<QInputDialog*>(d)) {
                input->setTextValue(text);
                input->accept();
            }
        });
    }

private Q_SLOTS:
    void init()
    {
        ClearQuitRequest();
        W = AssembleGame(&FSound);
        W->FormActivate();
        C = W->findChild<TClassroom*>();
    }
    void cleanup() { W.reset(); }

    // Ctrl+O's dialog: the task of the number exactly as StartTask makes it,
    // without "Ny opgave?"; a malformed number says why and changes nothing.
    void fetchByNumber()
    {
        W->bbLet->click();
        Put(*W, 3, mcRotate, 1);
        Answer(QStringLiteral("m-2000 0089"));
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
        for (const QString& bad : {QStringLiteral("M-2000008x"), QStringLiteral("S-86400000")}) {
            Answer(bad);
            TDialogAnswer ok(QStringLiteral("OK"));
            C->bbHentOpgaveClick();
            QVERIFY(ok.Seen());
            QVERIFY2(ok.Message().contains(bad), qPrintable(ok.Message()));
            QCOMPARE(W->FTask.get(), task);
            QCOMPARE(W->FMachines[2]->FMachine.Kind, std::uint8_t(mcRotate));
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
        QCOMPARE(window->windowTitle(), QStringLiteral("Statistik - Anna"));

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
        QCOMPARE(C->lbOpgaveNummer->text(), QStringLiteral("Egen plade"));
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
        QCOMPARE(window->lvOpgaver->topLevelItem(0)->text(0), QStringLiteral("Egen plade"));
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
        W->Udskriv1Click();
        QCOMPARE(text(printer.outputFileName()), QStringLiteral("Opgave: S-77 Navn: Åse"));

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
};

QTEST_MAIN(TestClassroom)
#include "test_classroom.moc"
