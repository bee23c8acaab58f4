// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/centrewindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

namespace {

class TOuterCentring : public QObject {
public:
    explicit TOuterCentring(QWidget& window) : QObject(&window), FWindow(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &FWindow) {
            switch (event->type()) {
            case QEvent::Show:
                FCentred = false; // each showing starts centred
                Centre();
                break;
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowActivate:
                Centre();
                break;
            default:
                break;
            }
        }
        return false;
    }

    void Centre()
    {
        const QMargins frame = FrameMargins(FWindow);
        const QRect client = FWindow.geometry();
        const QSize outer = client.size().grownBy(frame);
        if (FCentred && frame == FFrame && client.size() == FSize)
            return; // nothing changed since, or the player moved the window
        if (FWindow.isFullScreen())
            return; // it fills the screen; the size it comes back with is the old one
        FCentred = true;
        FFrame = frame;
        FSize = client.size();
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
        FWindow.move(area.x() + area.width() / 2 - outer.width() / 2, area.y() + area.height() / 2 - outer.height() / 2);
    }

private:
    QWidget& FWindow;
    bool FCentred = false;
    QMargins FFrame;
    QSize FSize;
};

} // namespace

void KeepCentredByOuterSize(QWidget& window)
{
    auto* centring = new TOuterCentring(window);
    window.installEventFilter(centring);
    centring->Centre();
}

QMargins FrameMargins(const QWidget& window)
{
    if (!window.isWindow() || !window.testAttribute(Qt::WA_WState_Created))
        return {};
    const QRect outer = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
            outer.bottom() - client.bottom()};
}
