// SPDX-License-Identifier: GPL-3.0-or-later
// Two offscreen screens side by side, the second of twice the pixel density:
// set up before the application exists, for tests that move the window
// between screens of different ratios.
#pragma once

#include <QFile>
#include <QTemporaryDir>

// Writes the screens' description into `dir` and points the offscreen
// platform at it. False when the file could not be written.
inline bool UseTwoScreens(const QTemporaryDir& dir)
{
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(R"({"screens": [
        {"name": "one", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "dpr": 1},
        {"name": "two", "x": 1024, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "dpr": 2}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    return true;
}
