// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the task and copying it to the clipboard, with a black edge so that
// the white plate shows on white paper.
#include "game/braet.h"

#include "floor/platebox.h"
#include "shell/messagedialog.h"
#include "shell/printbitmap.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr QSize TaskPictureSize(80, 81);
constexpr int PrintMargin = 16; // printer pixels from the printable area's corner
constexpr int PrintGridDpi = 300;

// On a grid `grid` times finer than the screen's pixels (see draw_grid.h).
QImage TaskPicture(TOpgave& task, const TPlateBox* box, int grid = 1)
{
    QImage picture((box ? box->size() : TaskPictureSize) * grid, QImage::Format_RGB32);
    picture.setDevicePixelRatio(grid);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    task.Draw(painter, true, grid);
    return picture;
}

// Without a printer installed Qt prints to a PDF file; one without a name
// would print nothing at all.
void EnsureOutputFile(QPrinter& printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || !printer.outputFileName().isEmpty())
        return;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    printer.setOutputFileName(QDir(folder).filePath(QStringLiteral("Vorlen-opgave.pdf")));
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
    QPrinter& printer = Printer();
    EnsureOutputFile(printer);
    // Twice the printer-to-screen ratio; at least 1, so that a printer coarser
    // than the screen still prints the plate.
    const int screenDpi = std::max(1, logicalDpiX());
    const int scale = std::max(1, (printer.resolution() / screenDpi) * 2);
    // Drawn on a grid of about 300 dots per inch, so circles and diagonal
    // edges are smooth on paper and edges are still thick enough to see.
    const int grid = std::clamp(scale * PrintGridDpi / std::max(1, printer.resolution()), 1, scale);
    const QImage picture = TaskPicture(*FTask, FTaskBox, grid);
    const QSize logical = picture.deviceIndependentSize().toSize();

    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        PrintBitmap(painter, PrintMargin, PrintMargin, PrintMargin + logical.width() * scale,
                    PrintMargin + logical.height() * scale, picture);
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
    // The dialog writes its choices into the printer only when accepted.
    QPrintDialog dialog(&Printer(), this);
    dialog.exec();
}
