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
#include <QToolButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <vector>

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

// Started on the finer screen: every button of the tool bar, the additions'
// too, shows its glyph of the finer grid, not the normal one enlarged.
class TStartHiResTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toolBarGlyphsOfTheFinerGrid()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
        TRecordingSound sound;
        const std::unique_ptr<TfmBraet> game = AssembleGame(&sound);
        const QList<QToolButton*> buttons = game->paTool->findChildren<QToolButton*>();
        QVERIFY(buttons.size() >= 13);
        for (const QToolButton* button : buttons) {
            const QPixmap shown = button->icon().pixmap(button->iconSize(), 2.0);
            QVERIFY2(shown.size() == button->iconSize() * 2 && qFuzzyCompare(shown.devicePixelRatio(), 2.0),
                     qPrintable(button->objectName()));
            QVERIFY2(button->icon().availableSizes().contains(button->iconSize() * 2),
                     qPrintable(button->objectName() + u": no glyph of the finer grid"_qs));
        }
    }
};

int main(int argc, char** argv)
{
    // Two screens side by side, the second of twice the pixel density; with
    // --fine-screen-first the finer one is the primary screen.
    std::vector<char*> args(argv, argv + argc);
    const auto fine = std::find_if(args.begin(), args.end(),
                                   [](const char* a) { return std::strcmp(a, "--fine-screen-first") == 0; });
    const bool fineFirst = fine != args.end();
    if (fineFirst)
        args.erase(fine);
    int count = int(args.size());
    QTemporaryDir dir;
    if (!UseTwoScreens(dir, fineFirst))
        return 1;
    QApplication app(count, args.data());
    if (fineFirst) {
        TStartHiResTest test;
        return QTest::qExec(&test, count, args.data());
    }
    TRunHiResTest test;
    return QTest::qExec(&test, count, args.data());
}

#include "test_run_hires.moc"
