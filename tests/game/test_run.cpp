// SPDX-License-Identifier: GPL-3.0-or-later
// The run on the test clock: where the plate and the bar are at every wait.
#include "game_support.h"

#include "app/assembly.h"
#include "floor/hitarea.h"
#include "floor/picturebox.h"
#include "base/delay.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QToolButton>
#include <QtTest>

using namespace gametest;

namespace {

constexpr std::uint32_t FrameMs = 70; // the test animations' frame delay
constexpr int FramesPerPlay = 2;

// The scene at one wait.
struct TShot {
    std::uint32_t Ms;
    QRect Bar;
    bool BarShown;
    QRect Box; // the produced-plate box, or null
};

struct TLine {
    int Slot;
    TMachineKind Kind;
    int Index;
};

} // namespace

Q_DECLARE_METATYPE(TLine)

class TestRun : public QObject, TGameFixture {
    Q_OBJECT
    std::vector<TShot> FShots;

    void Build(const QList<TLine>& line, int animationWidth = 80)
    {
        for (const TLine& m : line) {
            Put(*W, m.Slot, m.Kind, m.Index);
            QVERIFY(W->FMachines[std::size_t(m.Slot - 1)]->FAnimation->LoadFromData(
                SolidAnimation(animationWidth, FramesPerPlay, FrameMs / 10, qRgb(200, 0, 0))));
        }
    }

    void Record()
    {
        FShots.clear();
        FClock.ClearWaits();
        FClock.OnWait = [this](std::size_t i) {
            FShots.push_back({FClock.Waits()[i], W->LiggendePlade->geometry(), !W->LiggendePlade->isHidden(),
                              W->FPlateBox ? W->FPlateBox->geometry() : QRect()});
        };
    }

    // Bar positions (left edges) at the animation's frames, one per play.
    QList<int> Stops() const
    {
        QList<int> stops;
        int frames = 0;
        for (const TShot& s : FShots)
            if (s.Ms == FrameMs && s.BarShown && ++frames % FramesPerPlay == 1)
                stops << s.Bar.x();
        return stops;
    }

private Q_SLOTS:
    void init()
    {
        StartGame();
    }
    void cleanup() { EndGame(); }

    void geometry_data()
    {
        QTest::addColumn<QList<TLine>>("line");
        QTest::addColumn<int>("startY");
        QTest::addColumn<bool>("changesRow");
        QTest::newRow("all empty") << QList<TLine>{} << 333 << false;
        QTest::newRow("only slots 5-8") << QList<TLine>{{6, mcRotate, 1}, {8, mcStripe, 2}} << 333 << false;
        QTest::newRow("row 1 with 5-8 empty") << QList<TLine>{{3, mcHoles, 0}} << 183 << true;
        QTest::newRow("both rows") << QList<TLine>{{1, mcStripe, 0}, {7, mcHoles, 4}} << 183 << true;
    }
    void geometry()
    {
        QFETCH(QList<TLine>, line);
        QFETCH(int, startY);
        QFETCH(bool, changesRow);
        Build(line);
        Record();
        W->bbKoerPladeClick();
        QVERIFY(!W->FRunning);

        // Standing for half a second in the start box, then 29 tilt frames there.
        QVERIFY(FShots.size() > 31);
        QCOMPARE(FShots[0].Ms, 500u);
        for (int i = 0; i < 30; ++i) {
            QCOMPARE(FShots[std::size_t(i)].Box, QRect(128, startY, 80, 81));
            QVERIFY(!FShots[std::size_t(i)].BarShown);
            if (i > 0)
                QCOMPARE(FShots[std::size_t(i)].Ms, 30u);
        }

        // The bar: one pixel per step, 2 ms after each; it leaves row 1 at 592
        // and grows out of 48 in row 2.
        const int barY = startY + 36;
        QRect previous(128, barY, 60, 2);
        bool seenRow2Entry = false;
        std::size_t i = 30;
        for (; i < FShots.size() && FShots[i].BarShown; ++i) {
            const TShot& s = FShots[i];
            QVERIFY(s.Box.isNull());
            if (s.Ms != 2)
                continue; // a machine playing
            const QRect& bar = s.Bar;
            QCOMPARE(bar.height(), 2);
            if (bar.y() != previous.y()) {
                QVERIFY(changesRow);
                QCOMPARE(previous, QRect(592, barY, 0, 2));
                QCOMPARE(bar, QRect(48, barY + 150, 1, 2));
                seenRow2Entry = true;
            } else if (bar.width() == previous.width()) {
                QCOMPARE(bar.x(), previous.x() + 1);
            } else if (bar.x() == previous.x()) {
                QCOMPARE(bar.width(), previous.width() + 1); // growing at 48
                QCOMPARE(bar.x(), 48);
            } else {
                QCOMPARE(bar.x(), previous.x() + 1); // shrinking into 592
                QCOMPARE(bar.width(), previous.width() - 1);
                QVERIFY(bar.right() + 1 == 592);
            }
            previous = bar;
        }
        QCOMPARE(seenRow2Entry, changesRow);
        QCOMPARE(previous, QRect(626, changesRow ? barY + 150 : barY, 60, 2));

        // Standing up in the end box: 30 frames of a straight plate.
        QCOMPARE(FShots.size() - i, std::size_t(30));
        for (; i < FShots.size(); ++i) {
            QCOMPARE(FShots[i].Ms, 30u);
            QCOMPARE(FShots[i].Box, QRect(626, 330, 80, 81));
            QVERIFY(!FShots[i].BarShown);
        }
        QVERIFY(W->FPlateBox);
        QCOMPARE(W->FPlateBox->geometry(), QRect(626, 330, 80, 81));
        QVERIFY(!W->FPlateBox->isHidden());
        QVERIFY(W->LiggendePlade->isHidden());
    }

    void stops_data()
    {
        QTest::addColumn<QList<TLine>>("line");
        QTest::addColumn<QList<int>>("stops");
        QTest::newRow("one machine of each kind")
            << QList<TLine>{{1, mcRotate, 0}, {2, mcStripe, 1}, {3, mcHoles, 0}} << QList<int>{218, 314, 410};
        QTest::newRow("two holes") << QList<TLine>{{2, mcHoles, 1}} << QList<int>{304, 324};
        QTest::newRow("three square holes in slot 5 after row 1")
            << QList<TLine>{{1, mcRotate, 0}, {5, mcHoles, 5}} << QList<int>{218, 208, 218, 228};
        QTest::newRow("three holes in slot 5 from row 2") << QList<TLine>{{5, mcHoles, 2}} << QList<int>{208, 218, 228};
        QTest::newRow("full line")
            << QList<TLine>{{1, mcHoles, 0}, {2, mcRotate, 1}, {3, mcStripe, 2}, {4, mcHoles, 4},
                            {5, mcRotate, 3}, {6, mcHoles, 1}, {7, mcStripe, 0}, {8, mcRotate, 2}}
            << QList<int>{218, 314, 410, 496, 516, 218, 304, 324, 410, 506};
    }
    void stops()
    {
        QFETCH(QList<TLine>, line);
        QFETCH(QList<int>, stops);
        Build(line);
        Record();
        W->bbKoerPladeClick();
        QCOMPARE(Stops(), stops);

        // The produced plate is what the model makes of the line.
        const TOpgave expected = ExpectedPlate(*W);
        QVERIFY(W->FProducedPlate);
        QVERIFY(W->FProducedPlate->SameAs(expected));
        QVERIFY(SameFields(*W->FProducedPlate, expected));
    }

    // Slot 5's plays happen in row 2, after the bar came back in at 48.
    void holesInSlot5PlayInRow2()
    {
        Build({{2, mcStripe, 0}, {5, mcHoles, 2}});
        Record();
        W->bbKoerPladeClick();
        int row2Plays = 0;
        for (const TShot& s : FShots)
            if (s.Ms == FrameMs && s.Bar.y() == 369)
                ++row2Plays;
        QCOMPARE(row2Plays, 3 * FramesPerPlay);
    }

    // The animation is centred across the 80-pixel picture; its last frame stays.
    void playArea_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("firstColumn");
        QTest::addColumn<int>("lastColumn");
        QTest::newRow("narrower (stripe)") << 74 << 3 << 76;
        QTest::newRow("as wide") << 80 << 0 << 79;
        QTest::newRow("wider (holes)") << 98 << 0 << 79;
    }
    void playArea()
    {
        QFETCH(int, width);
        QFETCH(int, firstColumn);
        QFETCH(int, lastColumn);
        Build({{6, mcStripe, 0}}, width);
        W->bbKoerPladeClick();
        const QImage& canvas = W->imContainer[5]->Canvas();
        const QRgb played = qRgb(200, 0, 0);
        for (int x = 0; x < 80; ++x) {
            const bool inside = x >= firstColumn && x <= lastColumn;
            QVERIFY2((canvas.pixel(x, 20) == played) == inside, qPrintable(QString::number(x)));
        }
    }

    void backgrounds()
    {
        W->bbKoerPladeClick();
        const QImage end = W->FEndBackground;
        const qint64 start = W->FStartBackground.cacheKey();
        QCOMPARE(W->FStartBackground, W->FactoryPiece(QRect(128, 333, 80, 81)));
        QCOMPARE(end, W->FactoryPiece(QRect(626, 330, 80, 81)));

        Put(*W, 2, mcRotate, 0);
        W->bbKoerPladeClick();
        QVERIFY(W->FStartBackground.cacheKey() != start);
        QCOMPARE(W->FStartBackground, W->FactoryPiece(QRect(128, 183, 80, 81)));
        QCOMPARE(W->FEndBackground.cacheKey(), end.cacheKey());
    }

    void nextRunRemovesPreviousPlate()
    {
        W->bbKoerPladeClick();
        QPointer<TPlateBox> first = W->FPlateBox;
        QVERIFY(first);
        bool goneAtStart = false;
        FClock.ClearWaits();
        FClock.OnWait = [&](std::size_t i) {
            if (i == 0)
                goneAtStart = !first && W->FPlateBox && W->FPlateBox->pos() == QPoint(128, 333);
        };
        W->bbKoerPladeClick();
        QVERIFY(goneAtStart);
    }

    void secondClickDoesNothing()
    {
        Build({{1, mcRotate, 0}});
        Record();
        W->bbKoerPladeClick();
        const std::size_t alone = FShots.size();

        Record();
        const auto record = FClock.OnWait;
        FClock.OnWait = [&](std::size_t i) {
            record(i);
            if (i == 40 || i == 300)
                W->bbKoerPlade->click();
        };
        W->bbKoerPladeClick();
        QCOMPARE(FShots.size(), alone);
        QCOMPARE(std::count_if(FShots.begin(), FShots.end(), [](const TShot& s) { return s.Ms == 500; }), 1);
    }

    // Gestures, selectors and tasks wait until the run has ended.
    void editsDuringRunChangeNothing()
    {
        Build({{1, mcRotate, 1}, {3, mcHoles, 2}, {6, mcStripe, 2}});
        std::vector<TMachineRec> before;
        for (const auto& slot : W->FMachines)
            before.push_back(slot->FMachine);
        const TOpgave expected = ExpectedPlate(*W);

        bool tried = false;
        FClock.OnWait = [&](std::size_t i) {
            if (i != 60)
                return;
            tried = true;
            W->sbHuller->setChecked(true);
            W->spContainer8MouseDown(W->spContainer[1]);
            W->spContainer8MouseDown(W->spContainer[5]);
            W->sbTraek->setChecked(true);
            W->spContainer8MouseDown(W->spContainer[0]);
            W->sbSkub->setChecked(true);
            W->spContainer8MouseDown(W->spContainer[2]);
            W->imStriberClick(W->imContainer[0]);
            W->cbSetting[2]->setCurrentIndex(5);
            Q_EMIT W->cbSetting[2]->Chosen(W->cbSetting[2]);
            W->bbLet->click();
            W->bbOverfoerPlade->click();
        };
        W->bbKoerPladeClick();
        QVERIFY(tried);
        for (std::size_t i = 0; i < 8; ++i)
            QCOMPARE(W->FMachines[i]->FMachine, before[i]);
        QVERIFY(W->FProducedPlate);
        QVERIFY(SameFields(*W->FProducedPlate, expected));
        QVERIFY(!W->FTask);
        QVERIFY(!W->FTaskGiven);
    }

    void deletingTaskDuringRunGivesNoVerdict()
    {
        W->FTask = std::make_unique<TOpgave>();
        W->FTask->Reset();
        W->ShowTaskBox();
        W->bbSoundClick();
        FSound.ClearCalls();
        FClock.OnWait = [&](std::size_t i) {
            if (i == 100)
                W->bbNulstilOpgave->click();
        };
        W->bbKoerPladeClick();
        QVERIFY(!W->FTask);
        QVERIFY(!W->FTaskBox);
        QVERIFY(W->FProducedPlate);
        QVERIFY(!W->LightTimer->isActive());
        QVERIFY(InFront(W->imGroenSluk, W->imGroenTaend));
        QVERIFY(FSound.Calls().isEmpty());
    }

    // "Luk?" answered "&Ja" in the middle of the run: the rest runs without
    // pauses, and neither a verdict nor a sound follows.
    void closeDuringRun()
    {
        W->show();
        W->FTask = std::make_unique<TOpgave>();
        W->FTask->Reset();
        W->ShowTaskBox();
        W->bbSoundClick();
        FSound.ClearCalls();
        Build({{2, mcHoles, 2}});
        std::size_t closedAt = 0;
        TDialogAnswer* answer = nullptr;
        FClock.OnWait = [&](std::size_t i) {
            if (i == 200) {
                closedAt = i;
                answer = new TDialogAnswer(QStringLiteral("YES"));
                W->close();
            }
        };
        FClock.ClearWaits();
        W->bbKoerPladeClick();
        QVERIFY(answer && answer->Seen());
        delete answer;
        QVERIFY(QuitRequested());
        QCOMPARE(FClock.Waits().size(), closedAt + 1);
        QVERIFY(!W->FRunning);
        QVERIFY(W->LiggendePlade->isHidden());
        QVERIFY(!W->FLampLit);
        QVERIFY(FSound.Calls().isEmpty());
    }
};

QTEST_MAIN(TestRun)
#include "test_run.moc"
