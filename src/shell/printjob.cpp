// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printjob.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

namespace {

QString DefaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

QString AskPdfFileName(QWidget* parent, const QString& defaultFileName)
{
    QFileDialog dialog(parent, QStringLiteral("Gem udskriften som PDF"));
    dialog.setObjectName(QStringLiteral("PrintToPdfDialog"));
    // Qt's own dialog: the same everywhere, in Danish with Qt's translations.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF-dokumenter (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(DefaultFolder());
    dialog.selectFile(defaultFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool ChoosePrintOutput(QPrinter& printer, QWidget* parent, const QString& defaultFileName)
{
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    const QString file = AskPdfFileName(parent, defaultFileName);
    if (file.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
}

TPrintJob::TPrintJob(QPrinter& printer) : FPrinter(printer) {}

TPrintJob::~TPrintJob()
{
    if (FChoseFile)
        FPrinter.setOutputFileName(QString());
}

bool TPrintJob::BeginPrintJob(QWidget* parent, const QString& defaultFileName)
{
    if (FPrinter.outputFormat() != QPrinter::PdfFormat || !FPrinter.outputFileName().isEmpty())
        return true;
    const QString file = AskPdfFileName(parent, defaultFileName);
    if (file.isEmpty())
        return false;
    FPrinter.setOutputFileName(file);
    FChoseFile = true;
    return true;
}

bool PrinterSetupDialog(QPrinter& printer, QWidget* parent)
{
    // The dialog writes its choices into the printer only when accepted.
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Printer opsætning"));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* accept = buttons->button(QDialogButtonBox::Ok))
            accept->setText(QStringLiteral("OK"));
    return dialog.exec() == QDialog::Accepted;
}
