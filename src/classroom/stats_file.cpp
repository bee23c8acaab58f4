// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/stats_file.h"

#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QStandardPaths>

QString AskCsvFileName(QWidget* parent, const QString& defaultFileName)
{
    QFileDialog dialog(parent, QStringLiteral("Gem statistikken"));
    dialog.setObjectName(QStringLiteral("SaveStatisticsDialog"));
    // Qt's own dialog, as for the PDF files.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Regneark, CSV (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(!documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath());
    dialog.selectFile(defaultFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
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
