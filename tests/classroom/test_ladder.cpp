// SPDX-License-Identifier: GPL-3.0-or-later
// "Trin for trin" and the statistics of machines and tips, played through
// the game as it ships; the answer key of the longest lines.
#include "game/game_support.h"

#include "app/assembly.h"
#include "classroom/classroom.h"
#include "classroom/ladder.h"
#include "classroom/stats_window.h"
#include "classroom/worksheet_print.h"
#include "model/answer_key.h"
#include "model/generator.h"
#include "model/ladder_tasks.h"
#include "model/solver.h"
#include "base/delay.h"
#include "support/dialogs.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace gametest;

class TestLadder : public QObject, TGameFixture {
    Q_OBJECT
    TClassroom* C = nullptr;

    void RunLine(const std::vector<TMachineRec>& line, TVerdict expected)
    {
        W->ClearAllSlots();
        PutLine(*W, line);
        W->bbKoerPladeClick();
        QCOMPARE(W->FVerdict, expected);
    }
    void SolveShortest() { RunLine(ShortestLine(*W->FTask).value(), vdRight); }
    // A line that does not make the task shown; a fixed line is the answer
    // to some tasks.
    void AnswerWrong()
    {
        for (const TMachineRec& machine : {TMachineRec{mcStripe, 2, 0}, TMachineRec{mcStripe, 0, 0}}) {
            TOpgave plate;
            plate.Reset();
            plate.FLying = false;
            plate.ApplyMachine(machine);
            if (!plate.SameAs(*W->FTask))
                return RunLine({machine}, vdWrong);
        }
        QFAIL("no wrong line");
    }
    // The task shown is the generator's own task of its number and needs
    // exactly `step` machines.
    void CheckTask(int step)
    {
        QVERIFY(W->FTask && W->FTaskNumber);
        QVERIFY(W->FTaskNumber->Seed <= MaxTaskSeed);
        QVERIFY(SameFields(*W->FTask, GenerateTask(W->FTaskNumber->Seed, W->FTaskNumber->Difficulty)));
        QCOMPARE(FewestMachines(*W->FTask), step);
        QCOMPARE(C->lbOpgaveNummer->text(),
                 FormatTaskNumber(*W->FTaskNumber) + QStringLiteral(" \u00B7 Trin %1").arg(step));
    }

private Q_SLOTS:
    void init()
    {
        // The ladder's tasks come by the time of day: the same every run.
        FClock.SetTimeOfDay(QTime(10, 15, 30, 250));
        StartGame();
        C = W->findChild<TClassroom*>();
    }
    void cleanup() { EndGame(); }

    // Three right answers in a row climb one step; a wrong one starts the
    // three again. The next task comes by itself after a right answer.
    void climbsByThreeRightAnswers()
    {
        TLadder& ladder = *C->Ladder;
        ladder.bbTrin->click();
        QVERIFY(ladder.Active() && ladder.bbTrin->isChecked());
        CheckTask(1);
        QCOMPARE(ladder.News(), QString());
        QVERIFY(ladder.Rule1->text().contains(QStringLiteral("Tre rigtige i træk")));
        SolveShortest();
        // The ladder says what the answer did, to the eye and to the ear.
        QCOMPARE(ladder.News(), QStringLiteral("1 af 3 rigtige på Trin 1"));
        auto* said = W->findChild<QWidget*>(QStringLiteral("LadderStatus"));
        QVERIFY(said && said->isVisibleTo(W.get()));
        QCOMPARE(said->accessibleName(), ladder.News());
        const TTaskNumber first = *W->FTaskNumber;
        Delay(3498);
        QCOMPARE(W->FTaskNumber, first);
        Delay(0); // 3.5 s after the verdict
        QVERIFY(W->FTaskNumber != first);
        CheckTask(1);
        SolveShortest();
        ladder.ChooseStep(ladder.Step()); // a solved task goes unasked
        QCOMPARE(ladder.RightInRow(), 2);
        QCOMPARE(ladder.News(), QStringLiteral("2 af 3 rigtige på Trin 1"));
        AnswerWrong();
        QCOMPARE(ladder.News(), QString());
        SolveShortest();
        QCOMPARE(ladder.RightInRow(), 1);
        QCOMPARE(ladder.Step(), 1);
        for (int i = 0; i < 2; ++i) {
            ladder.ChooseStep(ladder.Step());
            CheckTask(1);
            SolveShortest();
        }
        QCOMPARE(ladder.Step(), 2);
        QCOMPARE(ladder.News(), QStringLiteral("Du er nu på Trin 2!"));
        ladder.ChooseStep(ladder.Step());
        CheckTask(2);

        // Every step gives a task of its length, also the rare seven.
        for (int step = 3; step <= LadderTopStep; ++step) {
            TDialogAnswer yes(QStringLiteral("YES"));
            ladder.ShowStepMenu();
            QVERIFY(ladder.pmTrin->isVisible());
            ladder.StepActions[std::size_t(step - 1)]->trigger();
            QVERIFY(yes.Seen());
            CheckTask(step);
        }

        // A difficulty button leaves the ladder; the number stands alone.
        TDialogAnswer yes(QStringLiteral("YES"));
        W->bbSvaer->click();
        QVERIFY(!ladder.Active() && !ladder.bbTrin->isChecked());
        QCOMPARE(C->lbOpgaveNummer->text(), FormatTaskNumber(*W->FTaskNumber));
    }

    // A task solved first with a longer line, then with a tip and a shortest
    // one: used / fewest, the tip and the count solved with the fewest.
    void machinesAndTipsInTheStatistics()
    {
        const TTaskNumber number = LadderTask(2, 4242);
        QCOMPARE(C->HentOpgave(FormatTaskNumber(number)), QString());
        std::vector<TMachineRec> own;
        GenerateTask(number.Seed, number.Difficulty, &own);
        QCOMPARE(own.size(), std::size_t(4));
        RunLine(own, vdRight);
        const TLoggedTask& task = C->Log().Tasks().back();
        QCOMPARE(task.Used, 4);
        QCOMPARE(task.Fewest, 2);
        QCOMPARE(C->Log().Count(1).SolvedWithFewest, 0);
        Q_EMIT W->TipGiven();
        SolveShortest();
        RunLine(own, vdRight); // a longer line again keeps the best
        QCOMPARE(C->Log().Count(1).Solved, 1);
        QCOMPARE(C->Log().Count(1).SolvedWithFewest, 1);

        OnDialog([](QDialog* d) { d->reject(); }); // no name
        C->Statistik1Click();
        TfmStatistik* window = C->Window();
        QTreeWidgetItem* row = window->lvOpgaver->topLevelItem(0);
        QCOMPARE(row->text(3), QStringLiteral("ja, med tip"));
        QCOMPARE(row->text(4), QStringLiteral("2 / 2"));
        QCOMPARE(row->text(5), QStringLiteral("1"));
        QCOMPARE(window->lbCounts[1][4]->text(), QStringLiteral("1"));
    }

    // Twelve tasks of seven machines, the most a sheet has: their key is
    // on one page and within its margins.
    void longAnswerKeyStaysOnItsPage()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        std::vector<TTaskNumber> tasks;
        std::uint32_t seed = 1000;
        while (tasks.size() < 12) {
            tasks.push_back(LadderTask(7, seed));
            seed = tasks.back().Seed + 1;
        }
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("ark.pdf")));
        QVERIFY(PrintWorksheet(printer, tasks, QDate(2026, 12, 9)));
        const auto run = [&pdftotext](const QStringList& args) {
            QProcess process;
            process.start(pdftotext, args);
            process.waitForFinished(30000);
            return QString::fromUtf8(process.readAllStandardOutput());
        };

        const QStringList pages = run({QStringLiteral("-layout"), printer.outputFileName(), QStringLiteral("-")})
                                      .split(QChar(u'\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 3);
        QVERIFY(pages[2].contains(QStringLiteral("Side 3 af 3")));
        // The gaps between columns come out as they may.
        const QString key = QString(pages[2]).remove(u' ');
        for (const TTaskNumber& t : tasks) {
            const int at = key.indexOf(FormatTaskNumber(t) + QStringLiteral("Kortesteløsning:7maskiner"));
            QVERIFY2(at >= 0, qPrintable(FormatTaskNumber(t)));
            QVERIFY(key.indexOf(QString(QStringLiteral("7.") + AnswerLine(t).last()).remove(u' '), at) > at);
        }

        // Every word of the key inside the 15 mm margins (in points).
        const QString boxes = run({QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("3"),
                                   printer.outputFileName(), QStringLiteral("-")});
        const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
        const QRegularExpressionMatch size = page.match(boxes);
        QVERIFY(size.hasMatch());
        const double margin = 15 / 25.4 * 72 - 1;
        const double right = size.captured(1).toDouble() - margin, bottom = size.captured(2).toDouble() - margin;
        const QRegularExpression word(QStringLiteral("xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\""));
        int words = 0;
        for (auto it = word.globalMatch(boxes); it.hasNext(); ++words) {
            const QRegularExpressionMatch m = it.next();
            QVERIFY2(m.captured(1).toDouble() <= right && m.captured(2).toDouble() <= bottom, qPrintable(m.captured()));
        }
        QVERIFY(words > 12 * 8);
    }
};

QTEST_MAIN(TestLadder)
#include "test_ladder.moc"
