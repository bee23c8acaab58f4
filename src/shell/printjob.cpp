// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printjob.h"

#include "shell/messagedialog.h"
#include "shell/platform_log.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>
#include <cstdio>

namespace {

QString DefaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

// A new, empty file in the folder of `target`, for writing the document
// before it takes the target's place; empty when the folder takes no file.
QString CreateFileBeside(const QString& target)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 16; ++attempt) {
        // Ends in ".pdf", so that QPrinter keeps printing a PDF.
        const QString name = QStringLiteral(".%1-%2.pdf")
                                 .arg(info.completeBaseName())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        QFile file(info.dir().filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.fileName();
        if (file.exists())
            continue;
        qCWarning(lcPlatform) << "cannot create a file in" << info.absolutePath() << ":" << file.errorString();
        return QString();
    }
    return QString();
}

// Qt writes a PDF's cross-reference table and its "%%EOF" last; a file cut
// short by a full disk lacks them (and may be empty).
bool CompletePdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 32 || file.read(5) != "%PDF-")
        return false;
    const qint64 tail = std::min<qint64>(file.size(), 1024);
    return file.seek(file.size() - tail) && file.read(tail).contains("%%EOF");
}

bool ReplaceFile(const QString& from, const QString& to)
{
    // rename() replaces `to` in one step: there is always either the old
    // file or the whole new one.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    qCWarning(lcPlatform) << "cannot move the print into place as" << to;
    return false;
}

// The answer to the last request this thread made of CUPS: Qt hands the
// finished document to CUPS in QPainter::end() without looking at the
// answer, and its printer state stays "idle" when the queue refuses the job.
// 0 (successful) where there is no CUPS.
int LastCupsStatus(QString* text)
{
#ifdef Q_OS_UNIX
    // The library Qt's print plug-in has already loaded.
    QLibrary cups(QStringLiteral("cups"), 2);
    const auto status = reinterpret_cast<int (*)()>(cups.resolve("cupsLastError"));
    const auto message = reinterpret_cast<const char* (*)()>(cups.resolve("cupsLastErrorString"));
    if (status) {
        if (text && message)
            *text = QString::fromUtf8(message());
        return status();
    }
#else
    Q_UNUSED(text);
#endif
    return 0;
}

constexpr int CupsFirstError = 0x0400; // IPP_STATUS_ERROR_BAD_REQUEST

} // namespace

bool PrintAndCheck(QPrinter& printer, const QString& failure, const std::function<bool()>& paint)
{
    QString reason;
    bool done = false;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QString target = printer.outputFileName();
        const QString temporary = CreateFileBeside(target);
        if (!temporary.isEmpty()) {
            printer.setOutputFileName(temporary);
            done = paint() && printer.printerState() != QPrinter::Error;
            printer.setOutputFileName(target);
            if (done && !CompletePdf(temporary)) {
                done = false;
                qCWarning(lcPlatform) << "the PDF was not written whole:" << target << "("
                                      << QFileInfo(temporary).size() << "bytes written)";
                // Less than a page's worth left: the disk is full.
                const QStorageInfo disk(QFileInfo(target).absolutePath());
                reason = disk.isValid() && disk.bytesAvailable() < 1024 * 1024
                             ? QStringLiteral("Der er ikke plads nok på disken til PDF-filen.")
                             : QStringLiteral("PDF-filen kunne ikke skrives færdig.");
            }
            done = done && ReplaceFile(temporary, target);
            if (!done)
                QFile::remove(temporary);
        }
    } else {
        done = paint() && printer.printerState() != QPrinter::Error;
        QString answer;
        const int status = done && printer.outputFormat() == QPrinter::NativeFormat ? LastCupsStatus(&answer) : 0;
        if (status >= CupsFirstError) {
            done = false;
            qCWarning(lcPlatform).nospace() << "the printer " << printer.printerName() << " refused the job: 0x"
                                            << Qt::hex << status << " " << answer;
            reason = QStringLiteral("Printeren \"%1\" tog ikke imod udskriften.").arg(QString(printer.printerName()).replace(u'&', QStringLiteral("&&")));
        }
    }
    if (!done) {
        qCWarning(lcPlatform) << "print failed:" << failure << reason;
        ShowError(reason.isEmpty() ? failure : failure + QStringLiteral("\n\n") + reason);
    }
    return done;
}

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& objectName, const QString& filter,
                        const QString& suffix, const QString& defaultFileName)
{
    QFileDialog dialog(parent, title);
    dialog.setObjectName(objectName);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.setDirectory(DefaultFolder());
    dialog.selectFile(defaultFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString AskPdfFileName(QWidget* parent, const QString& defaultFileName)
{
    return AskSaveFileName(parent, QStringLiteral("Gem udskriften som PDF"), QStringLiteral("PrintToPdfDialog"),
                           QStringLiteral("PDF-dokumenter (*.pdf)"), QStringLiteral("pdf"), defaultFileName);
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
