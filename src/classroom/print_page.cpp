// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/print_page.h"

#include "model/draw_plate.h"
#include "model/opgave.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

constexpr int PlateDpiLimit = 300;

QPageSize Paper(const QPrinter& printer)
{
    return QPageSize(printer.pageLayout().pageSize().id() == QPageSize::Letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

void UseChosenPrinter(QPrinter& printer, const QPrinter& chosen)
{
    if (chosen.outputFormat() == QPrinter::NativeFormat && !chosen.printerName().isEmpty())
        printer.setPrinterName(chosen.printerName());
    printer.setPageSize(Paper(chosen));
}

void SetPage(QPrinter& printer)
{
    printer.setPageSize(Paper(printer));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QRect BeginDocument(QPrinter& printer, QPainter& painter, const QString& docName)
{
    SetPage(printer);
    printer.setDocName(docName);
    if (!painter.begin(&printer))
        return QRect();
    return QRect(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize());
}

TPageUnits::TPageUnits(const QPaintDevice& device) : FDpi(std::max(1, device.logicalDpiY())) {}

QFont TPageUnits::Font(double points, bool bold) const
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void PaintPlate(QPainter& painter, const TOpgave& plate, const QRect& target, int deviceDpi)
{
    const int plateDpi = std::clamp(deviceDpi, 1, PlateDpiLimit);
    const double devicePerDot = double(deviceDpi) / plateDpi;
    // Plate units (80 across) to dots: a whole number, as the drawing needs.
    const int grid = std::max(1, qRound(target.width() / devicePerDot / 80));
    // One picture rather than thousands of tiny rectangles: PDF viewers draw
    // those with gaps, and the file stays small.
    QImage picture = PlateImage(plate, true, grid, Qt::white);
    picture.setDevicePixelRatio(1);
    painter.save();
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const double scale = target.width() / (80.0 * grid); // close to devicePerDot
    painter.drawImage(QRectF(target.topLeft(), QSizeF(picture.width() * scale, picture.height() * scale)), picture);
    painter.restore();
}
