// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/print_output.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

bool ChoosePrintOutput(QPrinter& printer, QWidget* parent, const QString& defaultFileName)
{
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("Gem som PDF"),
                                                QDir(folder).filePath(defaultFileName),
                                                QStringLiteral("PDF-filer (*.pdf)"));
    if (file.isEmpty())
        return false;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
}
