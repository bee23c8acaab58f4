// SPDX-License-Identifier: GPL-3.0-or-later
// Two offscreen screens side by side, the second of twice the pixel density:
// set up before the application exists, for tests that move the window
// between screens of different ratios.
#pragma once

#include <QFile>
#include <QTemporaryDir>

// Writes the screens' description into `dir` and points the offscreen
// platform at it; with `fineFirst` the finer screen is the primary one, where
// windows start. False when the file could not be written.
inline bool UseTwoScreens(const QTemporaryDir& dir, bool fineFirst = false)
{
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto screen = [](const char* name, int x, int ratio) {
        return QStringLiteral(R"({"name": "%1", "x": %2, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, )"
                              R"("dpr": %3})")
            .arg(QLatin1String(name))
            .arg(x)
            .arg(ratio);
    };
    const QString screens = fineFirst ? screen("one", 0, 2) + u", " + screen("two", 1024, 1)
                                      : screen("one", 0, 1) + u", " + screen("two", 1024, 2);
    file.write((u"{\"screens\": [" + screens + u"]}").toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    return true;
}
