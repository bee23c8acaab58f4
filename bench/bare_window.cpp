// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the start-up and memory figures: a bare Qt Widgets window
// of the game's size. With --t0 it prints, at its first paint, the
// milliseconds since that time (CLOCK_MONOTONIC, ms) and the peak resident
// memory, then quits.
#include "bench_child.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

int main(int argc, char** argv)
{
    TFirstPaintReporter::StartTrace(argc, argv);
    TFirstPaintReporter::Trace("main");
    QApplication app(argc, argv);
    TFirstPaintReporter::Trace("application");
    TFirstPaintReporter reporter(app, QStringLiteral("bare"));
    QWidget window;
    window.setObjectName(QStringLiteral("bare"));
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(792, 573);
    window.show();
    TFirstPaintReporter::Trace("shown");
    // Like the game's window: at least 800 x 600 with its frame, so where no
    // window manager adds a frame the client area grows to that.
    const QSize outer = window.frameGeometry().size();
    window.setFixedSize(window.size() + QSize(std::max(0, 800 - outer.width()), std::max(0, 600 - outer.height())));
    return app.exec();
}
