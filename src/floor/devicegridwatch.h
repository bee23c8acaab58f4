// SPDX-License-Identifier: GPL-3.0-or-later
// Calls back when the device pixel ratio of a window may have changed: the
// window moved to another screen, or its screen's ratio changed.
#pragma once

#include <QObject>
#include <QSet>

#include <functional>

class QWidget;

class TDeviceGridWatch : public QObject {
    Q_OBJECT
public:
    TDeviceGridWatch(QWidget* window, std::function<void()> changed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectWindow();
    QWidget* FWindow;
    std::function<void()> FChanged;
    bool FConnected = false;
    QSet<const QObject*> FScreens; // screens whose ratio is watched
};
