// SPDX-License-Identifier: GPL-3.0-or-later
// The verdict lamps tick by tick, and the sound switch.
#include "game_support.h"

#include "app/assembly.h"
#include "floor/picturebox.h"
#include "base/delay.h"
#include "shell/resources.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QToolButton>
#include <QtTest>

using namespace gametest;

class TestVerdict : public QObject, TGameFixture {
    Q_OBJECT

    // A produced plate and a task that match (or not).
    void Judge(bool right)
    {
        W->FTask = std::make_unique<TOpgave>();
        W->FTask->Reset();
        W->ShowTaskBox();
        W->FProducedPlate = std::make_unique<TOpgave>();
        W->FProducedPlate->Reset();
        if (!right)
            W->FProducedPlate->ApplyMachine(TMachineRec{mcStripe, 1, 0});
        W->ShowVerdict();
    }

    bool Lit(TVerdict verdict) const
    {
        return verdict == vdRight ? InFront(W->imGroenTaend, W->imGroenSluk) : InFront(W->imRoedTaend, W->imRoedSluk);
    }

    static QImage GlyphImage(const QIcon& icon) { return icon.pixmap(QSize(32, 32)).toImage(); }

private Q_SLOTS:
    void init()
    {
        StartGame();
    }
    void cleanup() { EndGame(); }

    void startsUnlit()
    {
        QVERIFY(!Lit(vdRight));
        QVERIFY(!Lit(vdWrong));
        QVERIFY(!W->LightTimer->isActive());
    }

    // Lit 0-0.5 s, dark to 1 s, ..., lit from 3 s on; the seventh tick stops it.
    void blinkSchedule_data()
    {
        QTest::addColumn<bool>("right");
        QTest::newRow("right") << true;
        QTest::newRow("wrong") << false;
    }
    void blinkSchedule()
    {
        QFETCH(bool, right);
        const TVerdict verdict = right ? vdRight : vdWrong;
        const TVerdict other = right ? vdWrong : vdRight;
        Judge(right);
        QCOMPARE(W->FVerdict, verdict);
        QCOMPARE(W->FBlinksLeft, 7);
        QVERIFY(Lit(verdict));
        QVERIFY(W->LightTimer->isActive());
        QCOMPARE(W->LightTimer->interval(), 500);

        const bool lit[7] = {false, true, false, true, false, true, true};
        for (int tick = 0; tick < 7; ++tick) {
            W->LightTimerTimer();
            QCOMPARE(W->FBlinksLeft, 6 - tick);
            QCOMPARE(W->FLampLit, lit[tick]);
            QCOMPARE(Lit(verdict), lit[tick]);
            QVERIFY(!Lit(other));
            QCOMPARE(W->LightTimer->isActive(), tick < 6);
        }
    }

    // The lamp timer itself drives the blinking, a tick every 500 ms on the
    // clock: dark and lit in turn, lit for good from 3 s on.
    void lampTimerTicks()
    {
        QList<std::pair<std::uint32_t, bool>> seen; // after each tick: when, and the lamp after the game's handler
        const std::uint32_t start = FClock.Tick();
        connect(W->LightTimer, &TClockTimer::timeout, this,
                [&] { seen.append({FClock.Tick() - start, Lit(vdWrong)}); });
        Judge(false);
        Delay(3498);
        QCOMPARE(seen.size(), 6);
        QVERIFY(W->LightTimer->isActive());
        Delay(0);
        const QList<std::pair<std::uint32_t, bool>> expected{{500, false},  {1000, true}, {1500, false}, {2000, true},
                                                             {2500, false}, {3000, true}, {3500, true}};
        QCOMPARE(seen, expected);
        QVERIFY(!W->LightTimer->isActive());
        QVERIFY(Lit(vdWrong));
    }

    // Blinking goes on through a ClearPlate; once it has ended, the lamp goes out for good.
    void clearPlateDuringAndAfterBlinking()
    {
        Judge(true);
        W->LightTimerTimer(); // dark
        W->LightTimerTimer(); // lit
        W->ClearPlate();
        QVERIFY(!Lit(vdRight));
        QVERIFY(W->LightTimer->isActive());
        W->LightTimerTimer();
        QVERIFY(Lit(vdRight));
        while (W->LightTimer->isActive())
            W->LightTimerTimer();
        QVERIFY(Lit(vdRight));
        W->ClearPlate();
        QVERIFY(!Lit(vdRight));
        QVERIFY(!W->FLampLit);
    }

    void lampsOffStopsBlinking()
    {
        Judge(false);
        W->LampsOff();
        QVERIFY(!Lit(vdWrong));
        QVERIFY(!Lit(vdRight));
        QVERIFY(!W->LightTimer->isActive());
        QCOMPARE(W->FBlinksLeft, 0);
    }

    // A new run puts the blinking lamp out before the plate moves.
    void runStartsWithLampsOff()
    {
        Judge(false);
        bool unlitAtStart = false;
        FClock.ClearWaits();
        FClock.OnWait = [&](std::size_t i) {
            if (i == 0)
                unlitAtStart = !Lit(vdWrong) && !W->LightTimer->isActive();
        };
        W->bbKoerPladeClick();
        FClock.OnWait = nullptr;
        QVERIFY(unlitAtStart);
        // The blank floor made the blank task: right.
        QCOMPARE(W->FVerdict, vdRight);
        QVERIFY(Lit(vdRight));
        QVERIFY(!Lit(vdWrong));
    }

    void runWithoutTaskLeavesLampsUnlit()
    {
        W->bbKoerPladeClick();
        QVERIFY(!Lit(vdRight));
        QVERIFY(!Lit(vdWrong));
        QVERIFY(!W->LightTimer->isActive());
    }

    void sound_data()
    {
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("off, right") << false << true << QStringList{};
        QTest::newRow("off, wrong") << false << false << QStringList{};
        QTest::newRow("on, right") << true << true << QStringList{QStringLiteral("play:OKLYD")};
        QTest::newRow("on, wrong") << true << false << QStringList{QStringLiteral("play:FEJLLYD")};
    }
    void sound()
    {
        QFETCH(bool, soundOn);
        QFETCH(bool, right);
        QFETCH(QStringList, calls);
        if (soundOn)
            W->bbSoundClick();
        FSound.ClearCalls();
        Judge(right);
        QCOMPARE(FSound.Calls(), calls);
    }

    void soundSwitch()
    {
        QVERIFY(!W->FSoundOn);
        QCOMPARE(W->bbSound->toolTip(), QStringLiteral("Lyd til"));
        const QImage off = GlyphImage(LoadGlyph(QStringLiteral("NOLOUDSPEAKER")));
        const QImage on = GlyphImage(LoadGlyph(QStringLiteral("LOUDSPEAKER")));
        QVERIFY(!on.isNull());
        QVERIFY(on != off);
        QCOMPARE(GlyphImage(W->bbSound->icon()), off);

        W->bbSound->click();
        QVERIFY(W->FSoundOn);
        QCOMPARE(W->bbSound->toolTip(), QStringLiteral("Lyd fra"));
        QCOMPARE(W->bbSound->accessibleName(), QStringLiteral("Lyd fra"));
        QCOMPARE(GlyphImage(W->bbSound->icon()), on);
        QVERIFY(FSound.Calls().isEmpty()); // switching on plays nothing

        Judge(true);
        W->bbSound->click(); // off while the sound plays: stopped at once
        QCOMPARE(FSound.Calls(), (QStringList{QStringLiteral("play:OKLYD"), QStringLiteral("stop")}));
        QVERIFY(!W->FSoundOn);
        QCOMPARE(W->bbSound->toolTip(), QStringLiteral("Lyd til"));
        QCOMPARE(W->bbSound->accessibleName(), QStringLiteral("Lyd til"));
        QCOMPARE(GlyphImage(W->bbSound->icon()), off);
    }
};

QTEST_MAIN(TestVerdict)
#include "test_verdict.moc"
