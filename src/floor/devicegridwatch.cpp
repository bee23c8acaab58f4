// SPDX-License-Identifier: GPL-3.0-or-later
#include "floor/devicegridwatch.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

TDeviceGridWatch::TDeviceGridWatch(QWidget* window, std::function<void()> changed)
    : QObject(window), FWindow(window), FChanged(std::move(changed))
{
    window->installEventFilter(this);
}

void TDeviceGridWatch::ConnectWindow()
{
    QWindow* handle = FWindow->windowHandle();
    if (FConnected || !handle)
        return;
    FConnected = true;
    // The ratio can change while the screen stays (display settings).
    const auto watchScreen = [this](QScreen* screen) {
        if (screen && !FScreens.contains(screen)) {
            FScreens.insert(screen);
            connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] { FChanged(); });
            connect(screen, &QObject::destroyed, this, [this, screen] { FScreens.remove(screen); });
        }
    };
    connect(handle, &QWindow::screenChanged, this, [this, watchScreen](QScreen* screen) {
        watchScreen(screen);
        FChanged();
    });
    watchScreen(handle->screen());
}

bool TDeviceGridWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FWindow) {
        switch (event->type()) {
        case QEvent::Show:
            ConnectWindow();
            FChanged(); // the screen it opens on may not be the one it was built for
            break;
        case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        case QEvent::DevicePixelRatioChange:
#endif
            FChanged();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
