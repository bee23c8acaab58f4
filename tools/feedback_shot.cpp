// SPDX-License-Identifier: GPL-3.0-or-later
// The feedback around a run on the real clock: times the empty floor with the
// fast run off and on, then saves pictures of a wrong and a right answer (the
// banner, the magnifier, a slot's step picture), of the first tips for a hard
// task, and of its right answer with a longer and with a shortest line.
// Usage: vorlen-feedback-shot <output folder>   (under xvfb-run)
#include "floor/hitarea.h"
#include "floor/platebox.h"
#include "floor/settingselector.h"
#include "app/assembly.h"
#include "game/braet.h"
#include "model/generator.h"
#include "model/machdefs.h"
#include "model/solver.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include <cstdio>

namespace {

QString gFolder;
TfmBraet* gWindow = nullptr;

void Shot(const QString& name)
{
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(gFolder).filePath(name + QStringLiteral(".png")));
}

void Choose(int slot, int item);
void PlaceLine(const std::vector<TMachineRec>& line);

void Place(int slot, QToolButton* tool, int item)
{
    TfmBraet& w = *gWindow;
    if (!tool->isChecked())
        QTest::mouseClick(tool, Qt::LeftButton);
    QTest::mouseClick(w.spContainer[std::size_t(slot - 1)], Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseClick(tool, Qt::LeftButton); // the tool down again
    Choose(slot, item);
}

qint64 TimedRun()
{
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(gWindow->bbKoerPlade, Qt::LeftButton);
    return timer.elapsed();
}

void Play()
{
    TfmBraet& w = *gWindow;
    QTest::qWait(300);
    w.activateWindow();
    QTest::qWait(300);
    auto* fast = w.findChild<QToolButton*>(QStringLiteral("bbHurtig"));

    const qint64 off1 = TimedRun();
    const qint64 off2 = TimedRun();
    QTest::keyClick(&w, Qt::Key_F6);
    const bool onAfterKey = fast->isChecked();
    const qint64 on1 = TimedRun();
    const qint64 on2 = TimedRun();
    QTest::keyClick(&w, Qt::Key_F6);
    const qint64 off3 = TimedRun();
    std::printf("empty floor, fast off: %lld %lld ms; fast on (F6 %s): %lld %lld ms; off again: %lld ms\n",
                (long long)off1, (long long)off2, onAfterKey ? "checked it" : "did not check it", (long long)on1,
                (long long)on2, (long long)off3);

    // Task M-20000089: round holes over square ones on the vertical line. The
    // pupil sees one square in the middle and punches just that one.
    fast->click();
    w.StartTask(1, 20000089u);
    Place(1, w.sbHuller, 1); // 2 round holes
    Place(2, w.sbHuller, 3); // 1 square hole
    Place(3, w.sbDrejer, 1); // 90 degrees
    Place(4, w.sbStriber, 0); // a thin stripe
    TimedRun();
    QTest::qWait(300);
    Shot(QStringLiteral("01-round-over-square-banner"));
    QTest::qWait(4500);
    Shot(QStringLiteral("02-banner-still-there"));

    // A tool still chosen: the produced plate opens the magnifier all the same.
    QTest::mouseClick(w.sbHuller, Qt::LeftButton);
    QTest::mouseClick(w.FPlateBox, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::qWait(300);
    Shot(QStringLiteral("03-round-over-square-magnifier"));
    if (QWidget* popup = QApplication::activePopupWidget())
        QTest::keyClick(popup, Qt::Key_Escape);
    QTest::mouseClick(w.sbHuller, Qt::LeftButton);
    QTest::qWait(200);

    THitArea* slot2 = w.spContainer[1];
    QHelpEvent tip(QEvent::ToolTip, QPoint(40, 40), slot2->mapToGlobal(QPoint(40, 40)));
    QApplication::sendEvent(slot2, &tip);
    QTest::qWait(400);
    Shot(QStringLiteral("04-step-picture"));

    // The squares on the line too: right.
    Choose(2, 5);
    TimedRun();
    QTest::qWait(350);
    Shot(QStringLiteral("05-right-banner"));
    QTest::qWait(3500);
    Shot(QStringLiteral("06-after-blinking"));

    // A thick stripe for the thin one: the stripe outlined, no ring.
    Choose(4, 2);
    TimedRun();
    QTest::qWait(300);
    Shot(QStringLiteral("07-stripe-banner"));
    QTest::mouseClick(w.FPlateBox, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::qWait(300);
    Shot(QStringLiteral("08-stripe-magnifier"));
    if (QWidget* popup = QApplication::activePopupWidget())
        QTest::keyClick(popup, Qt::Key_Escape);

    // A turn too: named, the plates marked no further.
    Place(5, w.sbDrejer, 0);
    TimedRun();
    QTest::mouseClick(w.FPlateBox, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::qWait(300);
    Shot(QStringLiteral("09-turn-magnifier"));
    QTest::qWait(200);

    // A hard task that three machines or fewer make, whose generator line is
    // at least two longer.
    std::uint32_t seed = 20000000;
    std::vector<TMachineRec> generated;
    for (;; ++seed) {
        generated.clear();
        const int fewest = FewestMachines(GenerateTask(seed, 2, &generated));
        if (fewest >= 2 && fewest <= 3 && int(generated.size()) >= fewest + 2)
            break;
    }
    std::printf("hard task %u: generator line %zu machines, shortest %d\n", seed, generated.size(),
                FewestMachines(GenerateTask(seed, 2)));
    w.ClearAllSlots();
    w.StartTask(2, seed);
    QTest::qWait(200);
    for (int i = 1; i <= 3; ++i) {
        QTest::keyClick(&w, Qt::Key_F8);
        QTest::qWait(200);
        Shot(QStringLiteral("09-tip-%1").arg(i));
    }
    PlaceLine(generated);
    TimedRun();
    QTest::qWait(350);
    Shot(QStringLiteral("10-right-longer"));
    w.ClearAllSlots();
    PlaceLine(*ShortestLine(*w.FTask));
    TimedRun();
    QTest::qWait(350);
    Shot(QStringLiteral("11-right-shortest"));
    std::fflush(stdout);
    QApplication::exit(0);
}

void Choose(int slot, int item)
{
    TSettingSelector* selector = gWindow->cbSetting[std::size_t(slot - 1)];
    selector->setCurrentIndex(item);
    Q_EMIT selector->Chosen(selector);
}

void PlaceLine(const std::vector<TMachineRec>& line)
{
    TfmBraet& w = *gWindow;
    for (std::size_t i = 0; i < line.size(); ++i) {
        QToolButton* tool = line[i].Kind == mcHoles ? w.sbHuller : line[i].Kind == mcRotate ? w.sbDrejer : w.sbStriber;
        Place(int(i) + 1, tool, SelectorIndexOf(line[i]));
    }
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
