// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the task and copying it to the clipboard, with a black edge so that
// the white plate shows on white paper.
#include "game/braet.h"

#include "floor/platebox.h"
#include "shell/messagedialog.h"
#include "shell/printbitmap.h"
#include "shell/printjob.h"
#include "shell/plain_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

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

// The task's number and the player's name, in grey so that the plate's black
// edge stays the darkest thing on the page. The plate keeps its place 16
// printer pixels into the printable area, so the line goes into the margin
// above it, in the largest size from 10 down to 6 points that fits there;
// with no such margin it stands beside the plate.
void PrintCaption(QPainter& painter, const QPrinter& printer, const QRect& picture, const QString& text)
{
    const int margin = int(printer.pageRect(QPrinter::DevicePixel).top() - printer.paperRect(QPrinter::DevicePixel).top());
    const int gap = picture.top();
    QFont font(QStringLiteral("Arial"));
    painter.setPen(QColor(96, 96, 96));
    for (double points = 10; points >= 6; points -= 0.5) {
        font.setPointSizeF(points);
        const QFontMetrics metrics(font, painter.device());
        if (metrics.height() <= margin) {
            painter.setFont(font);
            painter.drawText(picture.left(), picture.top() - gap - metrics.descent(), text);
            return;
        }
    }
    font.setPointSize(10);
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    painter.drawText(picture.right() + 1 + metrics.height(), picture.top() + metrics.ascent(), text);
}

} // namespace

void TfmBraet::SetTaskPrint(std::function<void()> print)
{
    FTaskPrint = std::move(print);
}

void TfmBraet::Udskriv1Click()
{
    if (!FTask)
        return;
    if (FTaskPrint) {
        FTaskPrint();
        return;
    }
    QPrinter& printer = Printer();
    TPrintJob job(printer);
    if (!job.BeginPrintJob(this, QStringLiteral("Vorlen-opgave.pdf")))
        return;
    // Twice the printer-to-screen ratio; at least 1, so that a printer coarser
    // than the screen still prints the plate.
    const int screenDpi = std::max(1, logicalDpiX());
    const int scale = std::max(1, (printer.resolution() / screenDpi) * 2);
    // Drawn on a grid of about 300 dots per inch, so circles and diagonal
    // edges are smooth on paper and edges are still thick enough to see.
    const int grid = std::clamp(scale * PrintGridDpi / std::max(1, printer.resolution()), 1, scale);
    const QImage picture = TaskPicture(*FTask, FTaskBox, grid);
    const QSize logical = picture.deviceIndependentSize().toSize();

    PrintAndCheck(printer, QStringLiteral("Opgaven kunne ikke udskrives."), [&] {
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        const QRect place(PrintMargin, PrintMargin, logical.width() * scale, logical.height() * scale);
        PrintBitmap(painter, place.left(), place.top(), place.left() + place.width(), place.top() + place.height(),
                    picture);
        QString caption = QStringLiteral("Opgave: ") + TaskName(FTaskNumber);
        if (!FPlayerName.isEmpty())
            caption += QStringLiteral("     Navn: ") + IsolatedText(FPlayerName);
        PrintCaption(painter, printer, place, caption);
        return painter.end();
    });
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
        ShowError(QStringLiteral("Opgaven kunne ikke kopieres til klippebordet."));
    else
        Q_EMIT TaskCopied();
}

void TfmBraet::bbPrinterSetupClick()
{
    PrinterSetupDialog(Printer(), this);
}
