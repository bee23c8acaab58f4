// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the guide's pictures from the game as it ships: sets the game up as
// each picture shows it and writes a fixed area of the window, NAME.png at a
// scale factor of 1 and NAME@2x.png at 2. Pictures are made small enough for
// the guide's window, so that its page never scrolls sideways.
//   xvfb-run -a vorlen-guide-shots <out-dir>
//   QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2048x1536x24" vorlen-guide-shots <out-dir>
#include "floor/hitarea.h"
#include "floor/settingselector.h"
#include "app/assembly.h"
#include "game/braet.h"
#include "model/generator.h"
#include "model/machdefs.h"
#include "shell/fonts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include <cstdio>
#include <cstdlib>

namespace {

QDir gOut;
int gFailures = 0;

// The widest picture the guide's window shows without scrolling sideways
// (its default width less the frame, the scroll bar and the page's margins).
constexpr int GuideRoom = 660;

// Writes the area `logical` (window pixels) of `grab` as the picture `name`,
// `size` pixels at 1x; reduced where `size` is smaller than the area.
void Cut(const QString& name, const QPixmap& grab, const QRect& logical, const QSize& size)
{
    if (size.width() > GuideRoom) {
        std::printf("%s: wider than the guide's window\n", qPrintable(name));
        ++gFailures;
        return;
    }
    const qreal ratio = grab.devicePixelRatio();
    const bool fine = ratio > 1.01;
    const QRect area((QPointF(logical.topLeft()) * ratio).toPoint(), (QSizeF(logical.size()) * ratio).toSize());
    const QSize out = fine ? size * 2 : size;
    QImage part = grab.toImage().convertToFormat(QImage::Format_RGB32).copy(area);
    if (part.size() != out)
        part = part.scaled(out, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QString file = gOut.filePath(name + (fine ? u"@2x.png" : u".png"));
    if (!part.save(file)) {
        std::printf("%s: could not be written\n", qPrintable(file));
        ++gFailures;
        return;
    }
    std::printf("%s: %dx%d\n", qPrintable(file), part.width(), part.height());
}

void Cut(const QString& name, const QPixmap& grab, const QRect& logical)
{
    Cut(name, grab, logical, logical.size());
}

void Place(TfmBraet& w, int slot, TMachineKind kind, int item)
{
    w.PlaceMachine(*w.FMachines[std::size_t(slot - 1)], kind);
    TSettingSelector* selector = w.cbSetting[std::size_t(slot - 1)];
    selector->setCurrentIndex(item);
    w.cbSettingChange(selector);
}

void Drive(TfmBraet& w)
{
    w.activateWindow();
    QTest::qWait(300);
    w.FormActivate();

    // Every kind and setting on the floor.
    const struct {
        TMachineKind Kind;
        int Index;
    } line[8] = {{mcHoles, 5}, {mcRotate, 1}, {mcStripe, 2}, {mcHoles, 1},
                 {mcRotate, 3}, {mcStripe, 0}, {mcHoles, 3}, {mcStripe, 1}};
    for (int i = 0; i < 8; ++i)
        Place(w, i + 1, line[i].Kind, line[i].Index);
    QTest::qWait(200);
    const QPixmap floor = w.grab();
    Cut(QStringLiteral("pladser"), floor, QRect(120, 131, 600, 300), QSize(450, 225));
    Cut(QStringLiteral("maskiner"), floor, QRect(200, 160, 390, 110));
    Cut(QStringLiteral("vaerktoej"), floor, QRect(35, 460, 510, 110), QSize(408, 88));
    w.cbSetting[0]->showPopup();
    QTest::qWait(300);
    Cut(QStringLiteral("indstilling"), w.cbSetting[0]->view()->window()->grab(), QRect(0, 0, 80, 80));
    w.cbSetting[0]->hidePopup();

    // A task made from a plate, then built again right.
    w.ClearAllSlots();
    Place(w, 1, mcHoles, 5);
    Place(w, 2, mcRotate, 1);
    Place(w, 6, mcStripe, 2);
    QTimer::singleShot(1000, [&w] { Cut(QStringLiteral("koersel"), w.grab(), QRect(120, 140, 500, 150)); });
    QTest::mouseClick(w.bbKoerPlade, Qt::LeftButton);
    QTest::mouseClick(w.bbOverfoerPlade, Qt::LeftButton);
    QTest::qWait(200);
    Cut(QStringLiteral("opgave"), w.grab(), QRect(600, 125, 190, 300));
    Place(w, 1, mcHoles, 5);
    Place(w, 2, mcRotate, 1);
    Place(w, 6, mcStripe, 2);
    QTest::mouseClick(w.bbKoerPlade, Qt::LeftButton);
    QTest::qWait(100);
    const QPixmap right = w.grab();
    Cut(QStringLiteral("lamper"), right, QRect(600, 133, 190, 150));

    // The whole window with a task of a number, solved: the number under the
    // task and the green lamp. Reduced to the guide's width.
    w.ClearAllSlots();
    w.StartTask(1, 20000089);
    std::vector<TMachineRec> solution;
    GenerateTask(20000089, 1, &solution);
    for (std::size_t i = 0; i < solution.size(); ++i)
        Place(w, int(i) + 1, TMachineKind(solution[i].Kind), SelectorIndexOf(solution[i]));
    QTest::mouseClick(w.bbKoerPlade, Qt::LeftButton);
    QTest::qWait(100);
    const QPixmap solved = w.grab();
    const QSize whole = w.size();
    Cut(QStringLiteral("vinduet"), solved, QRect(QPoint(0, 0), whole),
        QSize(GuideRoom, (whole.height() * GuideRoom + whole.width() / 2) / whole.width()));
    QApplication::exit(gFailures ? 1 : 0);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    if (argc < 2) {
        std::fprintf(stderr, "usage: vorlen-guide-shots <out-dir>\n");
        return 2;
    }
    gOut = QDir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(gOut.path());
    const std::unique_ptr<TfmBraet> game = AssembleGame();
    TfmBraet& window = *game;
    window.move(0, 0);
    window.show();
    QTimer::singleShot(300, [&window] { Drive(window); });
    return app.exec();
}
