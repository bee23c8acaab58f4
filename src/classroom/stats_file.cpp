// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/stats_file.h"

#include "shell/printjob.h"

#include <QSaveFile>

QString AskCsvFileName(QWidget* parent, const QString& defaultFileName)
{
    return AskSaveFileName(parent, QStringLiteral("Gem statistikken"), QStringLiteral("SaveStatisticsDialog"),
                           QStringLiteral("Regneark, CSV (*.csv)"), QStringLiteral("csv"), defaultFileName);
}

bool WriteTextFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
