// SPDX-License-Identifier: GPL-3.0-or-later
// A run while the window moves from a screen of device pixel ratio 1 to one
// of 2. The floor follows the new ratio only after the run; until then the
// plate must stand up on the floor's grid, or its box shows the floor of one
// grid on a canvas of the other.
#include "game/game_support.h"
#include "support/two_screens.h"

#include "app/assembly.h"
#include "board/board.h"
#include "floor/braet_geometry.h"
#include "game/seam.h"
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
    void boardModeKeepsTheGame();
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

// Board mode in the middle of a task with machines on the floor: the whole
// game enlarged on the 1x screen (1024 x 768: by 1.29, drawn on grid 2), a run
// there, board mode left in the middle of the next run, and the window back
// as it was with the same line, task and number.
void TRunHiResTest::boardModeKeepsTheGame()
{
    QScreen* screen = QGuiApplication::screens().at(0);
    TTestClock clock;
    TRecordingSound sound;
    const std::unique_ptr<TfmBraet> game = AssembleGame(&sound);
    TfmBraet& w = *game;
    TBraetSeam seam(w);
    w.show();
    w.windowHandle()->setScreen(screen);
    w.move(screen->geometry().topLeft() + QPoint(40, 30));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.StartTask(1, 20000089);
    Put(w, 1, mcHoles, 1);
    Put(w, 2, mcRotate, 1);
    Put(w, 6, mcStripe, 2);
    const TMachineLine line = seam.Line();
    const TOpgave task = *seam.Task();
    const QRect before = w.geometry();
    TBoard* board = w.findChild<TBoard*>();
    QVERIFY(board);

    QTest::keyClick(&w, Qt::Key_F11);
    QVERIFY(board->On());
    QVERIFY(w.isFullScreen());
    QVERIFY(board->Tavletilstand1->isChecked());
    QVERIFY(qAbs(w.devicePixelRatioF() - 1.29) < 0.001);
    QVERIFY(qFuzzyCompare(screen->devicePixelRatio(), 1.29));
    QTRY_COMPARE(GridOf(w.ImageVorlen->Canvas()), 2);
    QCOMPARE(GridOf(w.imContainer[0]->Canvas()), 2);
    QCOMPARE(GridOf(w.FTaskBox->Canvas()), 2);
    // The whole game on the screen, which it fills.
    QTRY_COMPARE(w.geometry(), screen->geometry());
    QVERIFY(w.width() >= 792 && w.height() >= 573);
    QCOMPARE(w.bbAfslut->geometry().right(), w.width() - 9); // the tool bar's right group at the right edge
    QVERIFY(seam.Line() == line);
    QVERIFY(seam.Task() && SameFields(*seam.Task(), task));
    QCOMPARE(seam.TaskNumber(), std::optional(TTaskNumber{1, 20000089}));

    // Esc closes an open drop-down list first, and only then board mode.
    w.cbSetting[0]->showPopup();
    QWidget* popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    QTest::keyClick(popup, Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(board->On());

    // A run in board mode: the plate stands up on the finer grid, and the
    // verdict comes as always.
    int verdicts = 0;
    connect(&w, &TfmBraet::VerdictShown, &w, [&verdicts] { ++verdicts; });
    w.bbKoerPladeClick();
    QCOMPARE(verdicts, 1);
    QVERIFY(w.FPlateBox);
    QCOMPARE(GridOf(w.FPlateBox->Canvas()), 2);
    QCOMPARE(w.FPlateBox->pos(), braet::ProducedBoxPlace);
    const TOpgave produced = *w.FProducedPlate;

    // Left in the middle of the next run: the run ends on the grid it was
    // drawn on, and the floor follows the screen after it.
    bool left = false;
    int mismatched = 0;
    clock.OnWait = [&](std::size_t) {
        if (!left && w.LiggendePlade->isVisible()) {
            QTest::keyClick(&w, Qt::Key_Escape);
            left = true;
        }
        if (w.FPlateBox && GridOf(w.FPlateBox->Canvas()) != GridOf(w.ImageVorlen->Canvas()))
            ++mismatched;
    };
    w.bbKoerPladeClick();
    clock.OnWait = nullptr;
    QVERIFY(left);
    QCOMPARE(mismatched, 0);
    QCOMPARE(verdicts, 2);
    QVERIFY(!board->On());
    QVERIFY(!w.isFullScreen());
    QVERIFY(!board->Tavletilstand1->isChecked());
    QCOMPARE(screen->devicePixelRatio(), 1.0);
    QTRY_COMPARE(GridOf(w.ImageVorlen->Canvas()), 1);
    QCOMPARE(GridOf(w.FPlateBox->Canvas()), 1);
    QCOMPARE(w.geometry(), before);
    QVERIFY(seam.Line() == line);
    QVERIFY(SameFields(*seam.Task(), task));
    QVERIFY(SameFields(*w.FProducedPlate, produced));
    QCOMPARE(seam.TaskNumber(), std::optional(TTaskNumber{1, 20000089}));

    // Esc outside board mode is not board mode's.
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(w.geometry(), before);
    // And again from the help menu, to and fro.
    board->Tavletilstand1->trigger();
    QVERIFY(board->On());
    board->Tavletilstand1->trigger();
    QVERIFY(!board->On());
    QCOMPARE(w.geometry(), before);
    QCOMPARE(screen->devicePixelRatio(), 1.0);
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
