// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the task and copying it to the clipboard, with a black edge so that
// the white plate shows on white paper.
#include "game/braet.h"

#include "floor/platebox.h"
#include "shell/messagedialog.h"
#include "shell/printbitmap.h"
#include "shell/printjob.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

constexpr QSize TaskPictureSize(80, 81);
constexpr int PrintMargin = 16; // printer pixels from the printable area's corner

QImage TaskPicture(TOpgave& task, const TPlateBox* box)
{
    QImage picture(box ? box->size() : TaskPictureSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    task.Draw(painter, true);
    return picture;
}

void ReportFailure(const QString& text)
{
    ShowMessageDialog(text, mkError, mbOK, 0);
}

} // namespace

void TfmBraet::Udskriv1Click()
{
    if (!FTask)
        return;
    const QImage picture = TaskPicture(*FTask, FTaskBox);

    QPrinter& printer = Printer();
    TPrintJob job(printer);
    if (!job.BeginPrintJob(this, QStringLiteral("Vorlen-opgave.pdf")))
        return;
    // Twice the printer-to-screen ratio; at least 1, so that a printer coarser
    // than the screen still prints the plate.
    const int screenDpi = std::max(1, logicalDpiX());
    const int scale = std::max(1, (printer.resolution() / screenDpi) * 2);

    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        PrintBitmap(painter, PrintMargin, PrintMargin, PrintMargin + picture.width() * scale,
                    PrintMargin + picture.height() * scale, picture);
        printed = painter.end();
    }
    if (!printed || printer.printerState() == QPrinter::Error)
        ReportFailure(QStringLiteral("Opgaven kunne ikke udskrives."));
}

void TfmBraet::Kopiertilklippebordet1Click()
{
    if (!FTask)
        return;
    const QImage picture = TaskPicture(*FTask, FTaskBox);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard)
        clipboard->setImage(picture);
    if (!clipboard || clipboard->image().size() != picture.size())
        ReportFailure(QStringLiteral("Opgaven kunne ikke kopieres til klippebordet."));
}

void TfmBraet::bbPrinterSetupClick()
{
    PrinterSetupDialog(Printer(), this);
}
