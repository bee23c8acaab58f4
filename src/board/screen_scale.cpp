// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/screen_scale.h"

#include "floor/braet_geometry.h"
#include "floor/windowsize.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>

#include <algorithm>
#include <cmath>

double LargestFittingScale(const QSize& client, const QSize& minimumOuter, const QMargins& frame, const QSize& area)
{
    if (client.isEmpty() || minimumOuter.isEmpty())
        return 1.0;
    const double scale = std::min({double(area.width() - frame.left() - frame.right()) / client.width(),
                                   double(area.width()) / minimumOuter.width(),
                                   double(area.height() - frame.top() - frame.bottom()) / client.height(),
                                   double(area.height()) / minimumOuter.height()});
    // Hundredths keep the rounding of sizes from adding a pixel too many.
    return std::floor(std::max(scale, 0.0) * 100.0 + 1e-9) / 100.0;
}

double ScreenScale(const QScreen& screen)
{
    return screen.devicePixelRatio();
}

namespace {

// The part of a screen's scale that a screen factor does not replace: the
// global factor of QT_SCALE_FACTOR and the platform's own ratio.
double FixedPart(const QScreen& screen)
{
    bool ok = false;
    double global = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (!ok || global <= 0)
        global = 1.0;
    const double platform = screen.handle() ? screen.handle()->devicePixelRatio() : 1.0;
    return global * platform;
}

} // namespace

void SetScreenScale(QScreen& screen, double scale)
{
    if (scale <= 0 || qFuzzyCompare(scale, ScreenScale(screen)))
        return;
    QHighDpiScaling::setScreenFactor(&screen, scale / FixedPart(screen));
}

double FitScreenScale(QScreen& screen, const QMargins& frame)
{
    const double asked = ScreenScale(screen);
    if (asked <= 1.0)
        return asked; // at 1x the window is what it always was
    const QSize area = (QSizeF(screen.availableGeometry().size()) * asked).toSize();
    const double fits = LargestFittingScale(QSize(braet::ClientWidth, braet::ClientHeight), MinimumOuterSize, frame, area);
    if (fits >= asked)
        return asked;
    SetScreenScale(screen, std::max(1.0, fits));
    return ScreenScale(screen);
}
