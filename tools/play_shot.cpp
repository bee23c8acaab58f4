// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a short game as a pupil would, on the real clock, and saves pictures
// of the window during and after the runs; prints how long the runs took.
// Usage: vorlen-play-shot <output folder>   (under xvfb-run or a desktop)
#include "floor/hitarea.h"
#include "floor/platebox.h"
#include "floor/settingselector.h"
#include "app/assembly.h"
#include "game/braet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include <cstdio>

namespace {

QString gFolder;
TfmBraet* gWindow = nullptr;

void Shot(const QString& name)
{
    gWindow->grab().save(QDir(gFolder).filePath(name + QStringLiteral(".png")));
}

void ShotAt(int ms, const QString& name)
{
    QTimer::singleShot(ms, gWindow, [name] { Shot(name); });
}

// The pupil's gestures: pick a tool, click a slot, choose a setting.
void Place(int slot, QToolButton* tool, int item)
{
    TfmBraet& w = *gWindow;
    if (!tool->isChecked())
        QTest::mouseClick(tool, Qt::LeftButton);
    QTest::mouseClick(w.spContainer[std::size_t(slot - 1)], Qt::LeftButton, {}, QPoint(40, 10));
    TSettingSelector* selector = w.cbSetting[std::size_t(slot - 1)];
    selector->setCurrentIndex(item);
    Q_EMIT selector->Chosen(selector);
}

qint64 TimedRun()
{
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(gWindow->bbKoerPlade, Qt::LeftButton);
    return timer.elapsed();
}

// Answers the question that the next click opens.
void AnswerYesSoon()
{
    QTimer::singleShot(300, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            gWindow->grab(); // keep the window painted behind it
            dialog->grab().save(QDir(gFolder).filePath(QStringLiteral("question.png")));
            if (auto* yes = dialog->findChild<QAbstractButton*>(QStringLiteral("YES")))
                yes->click();
        }
    });
}

void Play()
{
    TfmBraet& w = *gWindow;
    QTest::qWait(500);
    std::printf("slots after showing: %zu\n", w.FMachines.size());
    // Without a window manager nothing activates the window; a pupil's first
    // click would.
    w.activateWindow();
    QTest::qWait(200);
    std::printf("slots after activating: %zu\n", w.FMachines.size());
    Shot(QStringLiteral("01-start"));

    const qint64 empty = TimedRun();
    Shot(QStringLiteral("02-empty-run-done"));

    // A line in both rows.
    Place(1, w.sbHuller, 5);
    Place(2, w.sbDrejer, 1);
    Place(6, w.sbStriber, 2);
    QTest::mouseClick(w.sbStriber, Qt::LeftButton); // put the tool down again
    Shot(QStringLiteral("03-line"));
    ShotAt(250, QStringLiteral("04-run-standing"));
    ShotAt(900, QStringLiteral("05-run-tilting"));
    ShotAt(1700, QStringLiteral("06-run-hole-machine"));
    // The row change, caught by where the bar is.
    auto* watcher = new QTimer(&w);
    watcher->setInterval(1);
    int caught = 0;
    QObject::connect(watcher, &QTimer::timeout, &w, [&w, &caught] {
        const QRect bar = w.LiggendePlade->geometry();
        if (caught == 0 && bar.y() == 219 && bar.x() >= 570) {
            Shot(QStringLiteral("07a-run-leaving-row1"));
            ++caught;
        } else if (caught == 1 && bar.y() == 369 && bar.x() == 48 && bar.width() >= 25) {
            Shot(QStringLiteral("07b-run-entering-row2"));
            ++caught;
        }
    });
    watcher->start();
    ShotAt(13900, QStringLiteral("07c-run-stripe-machine"));
    const qint64 three = TimedRun();
    delete watcher;
    Shot(QStringLiteral("08-run-done"));

    // The plate becomes the task.
    ShotAt(900, QStringLiteral("09-slide"));
    QTest::mouseClick(w.bbOverfoerPlade, Qt::LeftButton);
    Shot(QStringLiteral("10-task-from-plate"));

    // Built again right: green.
    Place(1, w.sbHuller, 5);
    Place(2, w.sbDrejer, 1);
    Place(6, w.sbStriber, 2);
    QTest::mouseClick(w.sbStriber, Qt::LeftButton);
    TimedRun();
    Shot(QStringLiteral("11-right"));
    QTest::qWait(750);
    Shot(QStringLiteral("12-right-blink-dark"));
    QTest::qWait(3500);
    Shot(QStringLiteral("13-right-after-blinking"));

    // A wrong setting: red.
    TSettingSelector* selector = w.cbSetting[1];
    selector->setCurrentIndex(2);
    Q_EMIT selector->Chosen(selector);
    TimedRun();
    Shot(QStringLiteral("14-wrong"));

    // Copy and print the task.
    QTest::mouseClick(w.bbCopy, Qt::LeftButton);
    QGuiApplication::clipboard()->image().save(QDir(gFolder).filePath(QStringLiteral("15-clipboard.png")));
    w.Printer().setOutputFormat(QPrinter::PdfFormat);
    w.Printer().setOutputFileName(QDir(gFolder).filePath(QStringLiteral("16-print.pdf")));
    QTest::mouseClick(w.bbPrint, Qt::LeftButton);

    // Eight machines.
    const std::array<std::pair<QToolButton*, int>, 8> line{{{w.sbHuller, 2},
                                                            {w.sbDrejer, 0},
                                                            {w.sbStriber, 1},
                                                            {w.sbHuller, 4},
                                                            {w.sbDrejer, 3},
                                                            {w.sbStriber, 0},
                                                            {w.sbHuller, 0},
                                                            {w.sbDrejer, 1}}};
    for (int i = 0; i < 8; ++i)
        Place(i + 1, line[std::size_t(i)].first, line[std::size_t(i)].second);
    QTest::mouseClick(w.sbDrejer, Qt::LeftButton);
    Shot(QStringLiteral("17-eight"));
    const qint64 eight = TimedRun();
    Shot(QStringLiteral("18-eight-done"));

    // An easy random task (the first difficulty click asks nothing).
    QTest::mouseClick(w.bbLet, Qt::LeftButton);
    Shot(QStringLiteral("19-easy-task"));
    AnswerYesSoon();
    QTest::mouseClick(w.bbMiddel, Qt::LeftButton);
    Shot(QStringLiteral("20-medium-task"));

    std::printf("run, empty floor: %lld ms\nrun, three machines: %lld ms\nrun, eight machines: %lld ms\n",
                static_cast<long long>(empty), static_cast<long long>(three), static_cast<long long>(eight));
    std::fflush(stdout);
    QApplication::exit(0);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    gFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(gFolder);
    const std::unique_ptr<TfmBraet> game = AssembleGame();
    TfmBraet& window = *game;
    gWindow = &window;
    window.show();
    QTimer::singleShot(0, [] { Play(); });
    return app.exec();
}
