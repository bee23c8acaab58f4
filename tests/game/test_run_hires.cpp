// SPDX-License-Identifier: GPL-3.0-or-later
// A run while the window moves from a screen of device pixel ratio 1 to one
// of 2. The floor follows the new ratio only after the run; until then the
// plate must stand up on the floor's grid, or its box shows the floor of one
// grid on a canvas of the other.
#include "game/game_support.h"
#include "support/two_screens.h"

#include "app/assembly.h"
#include "floor/picturebox.h"
#include "model/draw_grid.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

using namespace gametest;

class TRunHiResTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void plateStandsUpOnTheFloorsGrid();
};

void TRunHiResTest::plateStandsUpOnTheFloorsGrid()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    const auto moveTo = [](QWidget& window, QScreen* screen) {
        window.windowHandle()->setScreen(screen);
        window.move(screen->geometry().topLeft());
        QCoreApplication::processEvents();
    };

    TTestClock clock;
    TRecordingSound sound;
    const std::unique_ptr<TfmBraet> game = AssembleGame(&sound);
    TfmBraet& w = *game;
    w.show();
    moveTo(w, screens[0]);
    Put(w, 1, mcRotate, 1);

    bool moved = false;
    int shown = 0;
    int mismatched = 0;
    clock.OnWait = [&](std::size_t) {
        if (!moved && w.LiggendePlade->isVisible()) {
            moveTo(w, screens[1]); // while the bar travels
            moved = true;
        }
        if (moved && w.FPlateBox) {
            ++shown;
            if (GridOf(w.FPlateBox->Canvas()) != GridOf(w.ImageVorlen->Canvas()))
                ++mismatched;
        }
    };
    w.bbKoerPladeClick();
    clock.OnWait = nullptr;
    QVERIFY(moved);
    QVERIFY(shown > 0);
    QCOMPARE(mismatched, 0);
    QCOMPARE(GridOf(w.FPlateBox->Canvas()), 1);

    // After the run the floor and the plate follow the new screen together.
    QTRY_COMPARE(GridOf(w.ImageVorlen->Canvas()), 2);
    QCOMPARE(GridOf(w.FPlateBox->Canvas()), 2);
}

int main(int argc, char** argv)
{
    // Two screens side by side, the second of twice the pixel density.
    QTemporaryDir dir;
    if (!UseTwoScreens(dir))
        return 1;
    QApplication app(argc, argv);
    TRunHiResTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_run_hires.moc"
