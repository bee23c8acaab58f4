// SPDX-License-Identifier: GPL-3.0-or-later
// The game asked for at twice the scale on a screen of 1024 x 768, where that
// does not fit: it takes the largest scale that does. And "Vis opgavenummer"
// on that screen.
#include "app/assembly.h"
#include "board/board.h"
#include "board/number_view.h"
#include "board/screen_scale.h"
#include "floor/windowsize.h"
#include "game/braet.h"
#include "game/seam.h"
#include "support/recordingsound.h"

#include <QAction>
#include <QFile>
#include <QFontMetrics>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

class TBoardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void largestFittingScale_data();
    void largestFittingScale();
    void askedScaleTooLargeForTheScreen();
    void numberViewOpensAndCloses();
};

void TBoardTest::largestFittingScale_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("minimumOuter");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<double>("scale");
    const QSize game(792, 573);
    // Under openbox (title bar 20, borders 1) the outer minimum of 600 decides.
    QTest::newRow("1920x1080 framed") << game << MinimumOuterSize << QMargins(1, 20, 1, 1) << QSize(1920, 1080) << 1.8;
    // Full screen: only the game has to fit, the height bound: 1080 / 573.
    QTest::newRow("1920x1080 full") << game << game << QMargins() << QSize(1920, 1080) << 1.88;
    QTest::newRow("1024x768 full") << game << game << QMargins() << QSize(1024, 768) << 1.29;
    // A tall narrow screen is bound by its width.
    QTest::newRow("portrait") << game << game << QMargins() << QSize(1080, 1920) << 1.36;
    QTest::newRow("too small") << game << MinimumOuterSize << QMargins(1, 20, 1, 1) << QSize(640, 480) << 0.8;
    QTest::newRow("no room") << game << MinimumOuterSize << QMargins(1, 20, 1, 1) << QSize(1, 10) << 0.0;
}

void TBoardTest::largestFittingScale()
{
    QFETCH(QSize, client);
    QFETCH(QSize, minimumOuter);
    QFETCH(QMargins, frame);
    QFETCH(QSize, area);
    QFETCH(double, scale);
    const double fits = LargestFittingScale(client, minimumOuter, frame, area);
    QCOMPARE(fits, scale);
    // It fits, and a hundredth more would not.
    const auto fitsAt = [&](double f) {
        return client.width() * f + frame.left() + frame.right() <= area.width() &&
               client.height() * f + frame.top() + frame.bottom() <= area.height() &&
               minimumOuter.width() * f <= area.width() && minimumOuter.height() * f <= area.height();
    };
    QVERIFY(fits == 0 || fitsAt(fits)); // 0: not even the frame fits
    QVERIFY(!fitsAt(fits + 0.01));
}

void TBoardTest::askedScaleTooLargeForTheScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    QCOMPARE(screen->devicePixelRatio(), 2.0); // QT_SCALE_FACTOR=2
    // 1024 x 768 device pixels with a frame of 2, 30, 2, 2: the outer minimum
    // of 800 x 600 decides (768 / 600).
    QCOMPARE(FitScreenScale(*screen, QMargins(2, 30, 2, 2)), 1.28);
    QCOMPARE(screen->devicePixelRatio(), 1.28);
    QCOMPARE(screen->geometry().size(), QSize(800, 600));
    // Fitting again changes nothing.
    QCOMPARE(FitScreenScale(*screen, QMargins(2, 30, 2, 2)), 1.28);

    TRecordingSound sound;
    const std::unique_ptr<TfmBraet> game = AssembleGame(&sound);
    game->show();
    QVERIFY(QTest::qWaitForWindowExposed(game.get()));
    QVERIFY(screen->geometry().contains(game->frameGeometry()));
    QVERIFY(qAbs(game->devicePixelRatioF() - 1.28) < 0.001);
    // Board mode needs no frame and no outer minimum: a little larger, and
    // the fitted scale comes back after it.
    TBoard* board = game->findChild<TBoard*>();
    QVERIFY(board);
    QCOMPARE(TBoard::BoardScale(*screen), 1.29);
    const QRect before = game->geometry();
    board->Enter();
    QCOMPARE(screen->devicePixelRatio(), 1.29);
    QTRY_COMPARE(game->geometry(), screen->geometry());
    board->Leave();
    QTRY_COMPARE(game->geometry(), before);
    QCOMPARE(screen->devicePixelRatio(), 1.28);
}

void TBoardTest::numberViewOpensAndCloses()
{
    TRecordingSound sound;
    const std::unique_ptr<TfmBraet> game = AssembleGame(&sound);
    TfmBraet& w = *game;
    TBraetSeam seam(w);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    TBoard* board = w.findChild<TBoard*>();
    QVERIFY(board);
    // No task, no number.
    QVERIFY(!board->VisOpgavenummer1->isEnabled());
    QVERIFY(seam.TaskMenu()->actions().contains(board->VisOpgavenummer1));
    QVERIFY(seam.HelpMenu()->actions().contains(board->VisOpgavenummer1));
    QTest::keyClick(&w, Qt::Key_F12);
    QVERIFY(!board->NumberView());

    w.StartTask(2, 86399999); // the longest number
    QVERIFY(board->VisOpgavenummer1->isEnabled());
    QTest::keyClick(&w, Qt::Key_F12);
    QPointer<TNumberView> view = board->NumberView();
    QVERIFY(view);
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QCOMPARE(view->Number(), TaskName(seam.TaskNumber()));
    QCOMPARE(view->Number(), u"S-86399999"_qs);
    QTRY_COMPARE(view->geometry(), w.screen()->geometry());
    // A quarter of the screen high, unless the number would then not fit
    // the width with a margin.
    const int quarter = w.screen()->geometry().height() / 4;
    QVERIFY(view->LetterHeight() <= quarter);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(view->LetterHeight());
    QVERIFY(QFontMetrics(font).horizontalAdvance(view->Number()) <= view->width());
    QVERIFY(view->LetterHeight() == quarter || view->LetterHeight() * 10 > quarter * 7);

    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(!view);
    QVERIFY(!board->NumberView());

    // A click closes it too; a new task closes the old number.
    board->VisOpgavenummer1->trigger();
    view = board->NumberView();
    QVERIFY(view);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(10, 10));
    QTRY_VERIFY(!view);
    board->VisOpgavenummer1->trigger();
    view = board->NumberView();
    QVERIFY(view);
    w.StartTask(0, 5);
    QTRY_VERIFY(!view);
}

int main(int argc, char** argv)
{
    // One screen of 1024 x 768, and a scale asked for that does not fit it.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "board", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TBoardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_board.moc"
