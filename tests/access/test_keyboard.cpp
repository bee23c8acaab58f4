// SPDX-License-Identifier: GPL-3.0-or-later
// The game from the keyboard alone, and what a screen reader hears of it.
#include "game/game_support.h"

#include "app/assembly.h"
#include "model/plate_words.h"
#include "floor/hitarea.h"
#include "access/focus_mark.h"
#include "access/keys.h"
#include "access/screen_reader.h"
#include "base/delay.h"
#include "shell/fonts.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QAccessible>
#include <QToolButton>
#include <QtTest>

using namespace gametest;

namespace {

QString Heard(QObject* object, QAccessible::Text what = QAccessible::Name)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(what) : QString();
}

// One key to whatever has the focus, as the keyboard delivers it.
void Key(TfmBraet& w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &w, Qt::Key(key), mods);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
    TTestClock FClock;
    TRecordingSound FSound;

    // Stripe thick, two square holes, 45 degrees, two round holes: slots 1-4,
    // starting with the focus on slot 1.
    void BuildLine(TfmBraet& w)
    {
        Key(w, Qt::Key_3);
        QCOMPARE(QApplication::focusWidget(), w.spContainer[0]);
        Key(w, Qt::Key_Space);
        Key(w, Qt::Key_Down);
        Key(w, Qt::Key_Down);
        Key(w, Qt::Key_1);
        Key(w, Qt::Key_Right);
        Key(w, Qt::Key_Space);
        for (int i = 0; i < 4; ++i)
            Key(w, Qt::Key_Down);
        Key(w, Qt::Key_2);
        Key(w, Qt::Key_Right);
        Key(w, Qt::Key_Space);
        Key(w, Qt::Key_1);
        Key(w, Qt::Key_Right);
        Key(w, Qt::Key_Space);
        Key(w, Qt::Key_Down);
    }

private Q_SLOTS:
    void initTestCase() { InstallFontSubstitutes(); }

    void wholeTaskFromTheKeyboard()
    {
        ClearQuitRequest();
        const std::unique_ptr<TfmBraet> game = AssembleGame(&FSound);
        TfmBraet& w = *game;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        BuildLine(w);
        const char* const slots[] = {"Plads 1: Stregemaskine, tyk streg", "Plads 2: Hullemaskine, 2 firkantede huller",
                                 "Plads 3: Drejemaskine, 45 grader", "Plads 4: Hullemaskine, 2 runde huller",
                                 "Plads 5: tom"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(Heard(w.spContainer[std::size_t(i)]), QString::fromUtf8(slots[i]));
        QVERIFY(w.sbHuller->isChecked());
        auto* keys = w.findChild<TKeys*>();
        QVERIFY(keys);
        QCOMPARE(keys->Mark()->Marked(), w.spContainer[3]);

        Key(w, Qt::Key_F5);
        QVERIFY(w.FProducedPlate && !w.FRunning);
        const QString words = QStringLiteral("Pladen står på spidsen. Skråt op mod højre: 2 firkantede huller og "
                                             "tyk streg. Vandret: 2 runde huller.");
        QCOMPARE(Heard(w.FPlateBox, QAccessible::Description), words);

        // The plate becomes the task: the floor empties, the tool and the focus stay.
        Key(w, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(w.FTask && !w.FProducedPlate);
        QCOMPARE(Heard(w.FTaskBox, QAccessible::Description), words);
        QCOMPARE(Heard(w.spContainer[0]), QStringLiteral("Plads 1: tom"));
        QVERIFY(w.sbHuller->isChecked());
        QCOMPARE(QApplication::focusWidget(), w.spContainer[3]);

        for (int i = 0; i < 3; ++i)
            Key(w, Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), w.spContainer[0]);
        BuildLine(w);

        // On a selector the typed keys choose its items ("1": 135), not the tools.
        w.cbSetting[2]->setFocus(Qt::TabFocusReason);
        Key(w, Qt::Key_1);
        QCOMPARE(QApplication::focusWidget(), w.cbSetting[2]);
        QCOMPARE(Heard(w.spContainer[2]), QStringLiteral("Plads 3: Drejemaskine, 135 grader"));
        Key(w, Qt::Key_Home);
        QCOMPARE(Heard(w.spContainer[2]), QStringLiteral("Plads 3: Drejemaskine, 45 grader"));
        w.spContainer[3]->setFocus(Qt::TabFocusReason);

        // During the run the keys change nothing on the floor.
        bool tried = false;
        FClock.OnWait = [&](std::size_t) {
            if (tried)
                return;
            tried = true;
            Key(w, Qt::Key_4);
            Key(w, Qt::Key_Space);
            Key(w, Qt::Key_Up);
            Key(w, Qt::Key_T, Qt::ControlModifier);
        };
        Key(w, Qt::Key_F5);
        FClock.OnWait = nullptr;
        QVERIFY(tried);
        QCOMPARE(Heard(w.spContainer[3]), QStringLiteral("Plads 4: Hullemaskine, 2 runde huller"));
        QCOMPARE(w.FVerdict, vdRight);
        QVERIFY(w.FLampLit);
        auto* status = w.findChild<TVerdictStatus*>();
        QVERIFY(status);
        // With the rating of the line, as the banner shows it.
        QVERIFY(Heard(status).startsWith(QStringLiteral("Rigtigt. ")));
        QCOMPARE(QAccessible::queryAccessibleInterface(status)->role(), QAccessible::AlertMessage);

        // The task goes with Ctrl+Delete: its verdict goes with it. A numbered
        // task is heard with its number and its plate in words.
        Key(w, Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(!w.FTask);
        QCOMPARE(Heard(status), QString());
        w.StartTask(1, 20000089);
        QCOMPARE(Heard(w.FTaskBox), QStringLiteral("Opgave M-20000089"));
        QCOMPARE(Heard(w.FTaskBox, QAccessible::Description), PlateWords(*w.FTask));

        // Another feature's key (the fast run's F6) still works when it
        // reaches the window while the window is not the active one, as the
        // first key after a question does without a window manager.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        auto* hare = w.findChild<QToolButton*>(QStringLiteral("bbHurtig"));
        QVERIFY(hare && !hare->isChecked());
        QKeyEvent f6(QEvent::KeyPress, Qt::Key_F6, Qt::NoModifier);
        QApplication::sendEvent(w.spContainer[0], &f6);
        QVERIFY(hare->isChecked());
        hare->setChecked(false);

        // A held F6 is one press, however often the key repeats.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QWidget* focus = QApplication::focusWidget();
        QTest::simulateEvent(focus, true, Qt::Key_F6, Qt::NoModifier, QString(), false);
        for (int i = 0; i < 3; ++i)
            QTest::simulateEvent(focus, true, Qt::Key_F6, Qt::NoModifier, QString(), true);
        QTest::simulateEvent(focus, false, Qt::Key_F6, Qt::NoModifier, QString(), false);
        QVERIFY(hare->isChecked());
        hare->setChecked(false);
        ClearQuitRequest();
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
