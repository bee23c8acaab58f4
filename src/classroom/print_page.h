// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the printed pages: millimetres on the device, fonts and
// plates drawn at the device's resolution.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class QPaintDevice;
class QPrinter;
class TOpgave;

// A4 portrait with margins of 15 mm: the pages of the worksheet and the
// statistics.
void SetA4(QPrinter& printer);

// Sets up an A4 document named `docName` and begins painting on it; the
// printable page in device pixels, or an empty rectangle when the printer
// could not be opened.
QRect BeginA4Document(QPrinter& printer, QPainter& painter, const QString& docName);

class TPageUnits {
public:
    explicit TPageUnits(const QPaintDevice& device);
    int Mm(double mm) const { return int(mm * FDpi / 25.4 + 0.5); }
    int Dpi() const { return FDpi; }
    // "Arial" in points; bold if asked.
    QFont Font(double points, bool bold = false) const;

private:
    int FDpi;
};

// Draws `plate` with its black edge into the square `target` (device
// pixels). The plate's shapes are rasterised at the device's resolution, up
// to 300 dots per inch, so that its edges stay visible lines on a fine
// printer.
void PaintPlate(QPainter& painter, const TOpgave& plate, const QRect& target, int deviceDpi);
