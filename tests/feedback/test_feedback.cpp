// SPDX-License-Identifier: GPL-3.0-or-later
// The feedback around a run: the fast run's timeline on the test clock, and a
// wrong then a right answer with the banner, the magnifier and the pictures
// of what each machine did.
#include "game/game_support.h"

#include "app/assembly.h"
#include "floor/hitarea.h"
#include "floor/picturebox.h"
#include "feedback/fast_run.h"
#include "feedback/magnifier.h"
#include "feedback/step_pictures.h"
#include "feedback/tips.h"
#include "access/screen_reader.h"
#include "model/answer_key.h"
#include "model/generator.h"
#include "model/solver.h"
#include "feedback/verdict_banner.h"
#include "model/draw_plate.h"
#include "base/delay.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QShortcut>
#include <QToolButton>
#include <QLabel>
#include <QtTest>

using namespace gametest;

class TestFeedback : public QObject, TGameFixture {
    Q_OBJECT

    // Virtual milliseconds of one run.
    std::uint32_t TimedRun()
    {
        const std::uint32_t start = FClock.Tick();
        W->bbKoerPladeClick();
        return FClock.Tick() - start;
    }

    // The picture in a slot's tool tip.
    static QImage TipPicture(const QString& tip)
    {
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("base64,([A-Za-z0-9+/=]+)")).match(tip);
        return m.hasMatch() ? QImage::fromData(QByteArray::fromBase64(m.captured(1).toLatin1()), "PNG") : QImage();
    }

private Q_SLOTS:
    void init()
    {
        StartGame();
    }
    void cleanup() { EndGame(); }

    // Every wait of the run is four times shorter with the toggle on, also
    // when it is switched on in the middle; off, the timeline is as before.
    void fastRunTimeline()
    {
        auto* fast = W->findChild<TFastRun*>()->bbHurtig;
        QCOMPARE(fast->toolTip(), QStringLiteral("Hurtig kørsel (F6)"));
        QCOMPARE(fast->geometry(), QRect(196, 2, 36, 36));
        auto* key = W->findChild<QShortcut*>();
        QCOMPARE(key->key(), QKeySequence(Qt::Key_F6));

        Put(*W, 1, mcRotate, 1);
        Put(*W, 5, mcHoles, 2);
        FClock.ClearWaits();
        const std::uint32_t normal = TimedRun();
        QCOMPARE(std::uint64_t(normal), FClock.TotalWaited() + FClock.Waits().size());

        Q_EMIT key->activated();
        QVERIFY(fast->isChecked());
        QVERIFY(qAbs(int(TimedRun()) * 4 - int(normal)) <= 4);

        Q_EMIT key->activated();
        QCOMPARE(TimedRun(), normal);

        // Switched on during the 500 ms the blank plate stands.
        FClock.OnWait = [&](std::size_t i) {
            if (i == 0)
                fast->click();
        };
        FClock.ClearWaits();
        QVERIFY(qAbs(int(TimedRun()) - (501 + (int(normal) - 501) / 4)) <= 2);
        FClock.OnWait = nullptr;

        // Off at every start.
        StartGame();
        QVERIFY(!W->findChild<TFastRun*>()->bbHurtig->isChecked());
        QCOMPARE(DelayFactor(), 1.0);
    }

    // Round holes over square ones where the task has round holes alone.
    void wrongThenRight()
    {
        W->show();
        W->FTask = std::make_unique<TOpgave>();
        W->FTask->Reset();
        W->FTask->AddHoles(0, 3);
        W->ShowTaskBox();
        Put(*W, 1, mcHoles, 5);
        Put(*W, 2, mcHoles, 2);
        W->bbKoerPladeClick();
        QCOMPARE(W->FVerdict, vdWrong);

        auto* banner = W->findChild<TVerdictBanner*>();
        QVERIFY(banner->isVisible());
        QCOMPARE(banner->Title(), QStringLiteral("Prøv igen"));
        QVERIFY(banner->Hint().first().startsWith(QStringLiteral("På din plade")));
        QVERIFY(!banner->geometry().intersects(W->imRoedTaend->geometry()));
        Delay(5000); // a wrong answer's hint stays for a slow reader
        QVERIFY(banner->isVisible());

        // Slot 1's picture is the plate after the square holes alone.
        TOpgave squares;
        squares.Reset();
        squares.AddHoles(1, 3);
        const QImage tip = TipPicture(W->spContainer[0]->toolTip());
        QVERIFY(W->spContainer[0]->toolTip().contains(QStringLiteral("plads 1")));
        QCOMPARE(tip.convertToFormat(QImage::Format_RGB32),
                 PlateImage(squares, true, 1, tip.pixelColor(0, 0)).convertToFormat(QImage::Format_RGB32));
        QVERIFY(!TipPicture(W->spContainer[1]->toolTip()).isNull());
        QVERIFY(W->spContainer[2]->toolTip().isEmpty());
        // Keyboard focus shows the same plate beside the slot, in the window
        // itself (a tool tip would go with the next key).
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(W->spContainer[1], &focus);
        auto* steps = W->findChild<TStepPictures*>();
        QVERIFY(steps && steps->FocusPanel() && steps->FocusPanel()->isVisibleTo(W.get()));
        auto* shown = steps->FocusPanel()->findChildren<QLabel*>().last();
        QCOMPARE(shown->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 TipPicture(W->spContainer[1]->toolTip()).convertToFormat(QImage::Format_RGB32));
        QFocusEvent away(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(W->spContainer[1], &away);
        QVERIFY(!steps->FocusPanel()->isVisibleTo(W.get()));
        // Back to the mouse with the slot still focused: the panel goes with
        // the keyboard play, as the focus mark does, and leaves bay 8 free.
        QApplication::sendEvent(W->spContainer[1], &focus);
        QVERIFY(steps->FocusPanel()->isVisibleTo(W.get()));
        QTest::mouseClick(W->ImageVorlen, Qt::LeftButton, {}, QPoint(300, 20));
        QVERIFY(!steps->FocusPanel()->isVisibleTo(W.get()));

        // The produced plate opens the magnifier even with a tool still
        // chosen (no gesture uses it); it rings the three holes, and Esc
        // closes it.
        auto* link = W->findChild<TMagnifierLink*>();
        W->sbHuller->setChecked(true);
        QTest::mouseClick(W->FPlateBox, Qt::LeftButton);
        W->sbHuller->setChecked(false);
        QPointer<TMagnifier> magnifier = link->Shown();
        QVERIFY(magnifier && magnifier->isVisible());
        QCOMPARE(magnifier->Marks().size(), 3);
        QVERIFY(magnifier->StripeMarks().isNull()); // no stripe differs
        for (const QRect& mark : magnifier->Marks())
            QCOMPARE(mark.center().y() / TMagnifier::Grid, 36); // the middle row of holes
        QTest::keyClick(magnifier, Qt::Key_Escape);
        QVERIFY(!magnifier || !magnifier->isVisible());

        // A change of the floor drops the pictures and the banner.
        TSettingSelector* selector = W->cbSetting[0];
        selector->setCurrentIndex(2);
        W->cbSettingChange(selector);
        QVERIFY(W->spContainer[0]->toolTip().isEmpty());
        QVERIFY(!banner->isVisible());

        W->bbKoerPladeClick();
        QCOMPARE(W->FVerdict, vdRight);
        QVERIFY(banner->isVisible());
        QCOMPARE(banner->Title(), QStringLiteral("Rigtigt!"));
        QVERIFY(banner->Stars() > 0); // a rating, no difference
    }

    // A hard task whose generator line is at least two machines longer than
    // its shortest line.
    static std::uint32_t LongWayRound(std::vector<TMachineRec>& line, int& fewest)
    {
        for (std::uint32_t seed = 20000000;; ++seed) {
            line.clear();
            const TOpgave task = GenerateTask(seed, 2, &line);
            fewest = FewestMachines(task);
            if (fewest >= 2 && int(line.size()) >= fewest + 2)
                return seed;
        }
    }

    // A right line is rated against the shortest one, on the banner and for
    // the screen reader alike: the generator's long line with one star and
    // both counts, a shortest line with three.
    void rightLineRated()
    {
        std::vector<TMachineRec> generated;
        int fewest = 0;
        const std::uint32_t seed = LongWayRound(generated, fewest);
        W->show();
        W->StartTask(2, seed);
        PutLine(*W, generated);
        W->bbKoerPladeClick();
        QCOMPARE(W->FVerdict, vdRight);
        auto* banner = W->findChild<TVerdictBanner*>();
        QVERIFY(banner->isVisible());
        QCOMPARE(banner->Stars(), 1);
        QCOMPARE(banner->Hint().size(), 1);
        const QString said = banner->Hint().first();
        const QRegularExpression numbers(QStringLiteral("\\d+"));
        QStringList counts;
        for (const auto& m : numbers.globalMatch(said))
            counts << m.captured();
        QCOMPARE(counts, (QStringList{QString::number(generated.size()), QString::number(fewest)}));
        auto* status = W->findChild<TVerdictStatus*>();
        QVERIFY(status->accessibleName().startsWith(QStringLiteral("Rigtigt")));
        QVERIFY(status->accessibleName().contains(said));

        W->ClearAllSlots();
        PutLine(*W, *ShortestLine(*W->FTask));
        W->bbKoerPladeClick();
        QCOMPARE(W->FVerdict, vdRight);
        QCOMPARE(banner->Stars(), 3);
        QVERIFY(banner->Hint().first().contains(QString::number(fewest)));
        QVERIFY(!banner->Hint().first().contains(QString::number(generated.size())));
        // "Rigtigt!" fades out as the lamp's blinking ends.
        Delay(3400);
        QVERIFY(banner->isVisible());
        Delay(200);
        QVERIFY(!banner->isVisible());
        QVERIFY(W->FLampLit && !W->LightTimer->isActive());
    }

    // Tips one press at a time: the count, the kinds, then machine after
    // machine of a line that really makes the task; each one heard and
    // counted, none placed; a change of the floor takes the tip away and a
    // new task starts the tips again.
    void tipsLeadToTheTask()
    {
        auto* tips = W->findChild<TTips*>();
        auto* banner = W->findChild<TVerdictBanner*>();
        QVERIFY(!tips->bbTip->isEnabled());
        std::vector<TMachineRec> generated;
        int fewest = 0;
        W->show();
        W->StartTask(2, LongWayRound(generated, fewest));
        QVERIFY(tips->bbTip->isEnabled());
        QSignalSpy counted(W.get(), &TfmBraet::TipGiven);

        QTest::mouseClick(tips->bbTip, Qt::LeftButton);
        QVERIFY(banner->ShowsTip());
        QVERIFY(banner->Hint().first().contains(QString::number(fewest)));
        QVERIFY(tips->Status()->accessibleName().contains(banner->Hint().first()));

        // The key works as the other keys of the additions do, also when it
        // reaches a window that is not the active one.
        QKeyEvent f8(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier);
        QApplication::sendEvent(W->spContainer[0], &f8);
        const QString kinds = banner->Hint().first();
        QCOMPARE(counted.size(), 2);

        TOpgave made;
        made.Reset();
        QSet<int> kindsUsed;
        for (int i = 1; i <= fewest; ++i) {
            tips->bbTipClick();
            const QString tip = banner->Hint().first();
            QVERIFY2(tip.contains(QString::number(i)), qPrintable(tip));
            int found = 0;
            for (const TMachineRec& rec : FloorMachines()) {
                if (tip.endsWith(MachineWords(rec))) {
                    made.ApplyMachine(rec);
                    kindsUsed.insert(rec.Kind);
                    ++found;
                }
            }
            QCOMPARE(found, 1);
        }
        QVERIFY(made.SameAs(*W->FTask));
        QCOMPARE(kinds.contains(QStringLiteral("Hullemaskine")), kindsUsed.contains(mcHoles));
        QCOMPARE(kinds.contains(QStringLiteral("Drejemaskine")), kindsUsed.contains(mcRotate));
        QCOMPARE(kinds.contains(QStringLiteral("Stregemaskine")), kindsUsed.contains(mcStripe));
        QCOMPARE(counted.size(), 2 + fewest);
        for (const auto& slot : W->FMachines)
            QCOMPARE(slot->FMachine.Kind, std::uint8_t(mcNone));

        // Past the last machine: no tip to count.
        tips->bbTipClick();
        QVERIFY(banner->ShowsTip());
        QCOMPARE(counted.size(), 2 + fewest);

        Put(*W, 1, mcRotate, 1);
        QVERIFY(!banner->isVisible());
        W->StartTask(1, 20000089);
        tips->bbTipClick();
        QCOMPARE(tips->Next(), 1);
        QVERIFY(banner->Hint().first().contains(QString::number(FewestMachines(*W->FTask))));
    }

    // A stripe of another thickness through the middle row of hole places,
    // holes alike: no ring at all, the outline keeps to the plate and leaves
    // the stripe's own colour alone.
    void stripeWithoutRings()
    {
        W->show();
        W->FTask = std::make_unique<TOpgave>();
        W->FTask->Reset();
        W->FTask->AddStripe(0);
        W->ShowTaskBox();
        Put(*W, 1, mcStripe, 2);
        W->bbKoerPladeClick();
        QCOMPARE(W->FVerdict, vdWrong);
        QTest::mouseClick(W->FPlateBox, Qt::LeftButton);
        TMagnifier* magnifier = W->findChild<TMagnifierLink*>()->Shown();
        QVERIFY(magnifier);
        QVERIFY(magnifier->Marks().isEmpty());
        const QImage& marks = magnifier->StripeMarks();
        QVERIFY(!marks.isNull());

        TOpgave task;
        task.Assign(*W->FTask);
        task.FLying = false;
        TOpgave produced;
        produced.Assign(*W->FProducedPlate);
        produced.FLying = false;
        const QColor background = magnifier->grab().toImage().pixelColor(2, 2);
        const QImage a = PlateImage(task, true, TMagnifier::Grid, background).convertToFormat(QImage::Format_RGB32);
        const QImage b = PlateImage(produced, true, TMagnifier::Grid, background).convertToFormat(QImage::Format_RGB32);
        const QImage shown = magnifier->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int marked = 0;
        int stripe = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                if (qAlpha(marks.pixel(x, y)) != 0) {
                    ++marked;
                    QVERIFY(a.pixel(x, y) != background.rgb() && b.pixel(x, y) != background.rgb());
                }
                if (a.pixel(x, y) != b.pixel(x, y)) {
                    ++stripe;
                    QCOMPARE(shown.pixel(TMagnifier::PictureAt(0) + QPoint(x, y)), a.pixel(x, y));
                    QCOMPARE(shown.pixel(TMagnifier::PictureAt(1) + QPoint(x, y)), b.pixel(x, y));
                }
            }
        QVERIFY(marked > 1000 && stripe > 1000);
        magnifier->close();
    }
};

QTEST_MAIN(TestFeedback)
#include "test_feedback.moc"
