// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the guide's pictures again at the current scale factor: sets the
// game up as each picture shows it, finds where the 1x picture lies in the
// window (compared at 1x) and writes the same area at device resolution as
// NAME@2x.png.
//   QT_SCALE_FACTOR=2 xvfb-run -a vorlen-guide-shots docs/help <out-dir>
#include "floor/hitarea.h"
#include "floor/settingselector.h"
#include "app/assembly.h"
#include "game/braet.h"
#include "shell/fonts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

QDir gDocs, gOut;
int gFailures = 0;

// Where `part` lies in `whole` (both 1x), by sampled colour distance;
// `distance` gets the best distance per sample.
QPoint Find(const QImage& whole, const QImage& part, double* distance)
{
    std::vector<QPoint> samples;
    for (int i = 0; i < 400; ++i)
        samples.emplace_back((i * 37) % part.width(), (i * 53 + i / 7) % part.height());
    long best = std::numeric_limits<long>::max();
    QPoint at;
    for (int y = 0; y + part.height() <= whole.height(); ++y)
        for (int x = 0; x + part.width() <= whole.width(); ++x) {
            long d = 0;
            for (const QPoint& s : samples) {
                const QRgb a = whole.pixel(x + s.x(), y + s.y()), b = part.pixel(s);
                d += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
                if (d >= best)
                    break;
            }
            if (d < best) {
                best = d;
                at = QPoint(x, y);
            }
        }
    *distance = double(best) / double(samples.size());
    return at;
}

void Cut(const QString& name, const QPixmap& grab)
{
    const QImage fine = grab.toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = grab.devicePixelRatio();
    const QImage coarse = fine.scaled((QSizeF(fine.size()) / ratio).toSize(), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    const QImage part = QImage(gDocs.filePath(name + u".png")).convertToFormat(QImage::Format_RGB32);
    if (part.isNull() || part.width() > coarse.width() || part.height() > coarse.height()) {
        std::printf("%s: does not fit\n", qPrintable(name));
        ++gFailures;
        return;
    }
    // Some pictures show the window reduced: try reductions too.
    double best = std::numeric_limits<double>::max(), bestScale = 1.0;
    QPoint bestAt;
    for (int percent = 100; percent >= 60; --percent) {
        const double k = percent / 100.0;
        const QImage reduced = percent == 100 ? coarse
                                              : coarse.scaled((QSizeF(coarse.size()) * k).toSize(),
                                                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (part.width() > reduced.width() || part.height() > reduced.height())
            break;
        double distance = 0;
        const QPoint at = Find(reduced, part, &distance);
        if (distance < best) {
            best = distance;
            bestAt = at;
            bestScale = k;
        }
        if (percent == 100 && best < 30)
            break;
    }
    std::printf("%s: at %d,%d reduced to %.2f, distance %.1f per sample\n", qPrintable(name), bestAt.x(), bestAt.y(),
                bestScale, best);
    const QRectF area(QPointF(bestAt) / bestScale * ratio, QSizeF(part.size()) / bestScale * ratio);
    const QImage out = fine.copy(area.toAlignedRect())
                           .scaled(part.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    out.save(gOut.filePath(name + u"@2x.png"));
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
    Cut(QStringLiteral("pladser"), floor);
    Cut(QStringLiteral("maskiner"), floor);
    Cut(QStringLiteral("vaerktoej"), floor);
    w.cbSetting[0]->showPopup();
    QTest::qWait(300);
    Cut(QStringLiteral("indstilling"), w.cbSetting[0]->view()->window()->grab());
    w.cbSetting[0]->hidePopup();

    // A task made from a plate, then built again right.
    w.ClearAllSlots();
    Place(w, 1, mcHoles, 5);
    Place(w, 2, mcRotate, 1);
    Place(w, 6, mcStripe, 2);
    QTimer::singleShot(1700, [&w] { Cut(QStringLiteral("koersel"), w.grab()); });
    QTest::mouseClick(w.bbKoerPlade, Qt::LeftButton);
    QTest::mouseClick(w.bbOverfoerPlade, Qt::LeftButton);
    QTest::qWait(200);
    Cut(QStringLiteral("opgave"), w.grab());
    Place(w, 1, mcHoles, 5);
    Place(w, 2, mcRotate, 1);
    Place(w, 6, mcStripe, 2);
    QTest::mouseClick(w.bbKoerPlade, Qt::LeftButton);
    QTest::qWait(100);
    const QPixmap right = w.grab();
    Cut(QStringLiteral("lamper"), right);
    Cut(QStringLiteral("vinduet"), right);
    QApplication::exit(gFailures ? 1 : 0);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    if (argc < 3) {
        std::fprintf(stderr, "usage: vorlen-guide-shots <guide-dir> <out-dir>\n");
        return 2;
    }
    gDocs = QDir(QString::fromLocal8Bit(argv[1]));
    gOut = QDir(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(gOut.path());
    const std::unique_ptr<TfmBraet> game = AssembleGame();
    TfmBraet& window = *game;
    window.move(0, 0);
    window.show();
    QTimer::singleShot(300, [&window] { Drive(window); });
    return app.exec();
}
