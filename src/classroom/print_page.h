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

// The paper of the classroom's pages: Letter when `chosen` (the printer the
// task print uses, as set up in "Printer opsætning") has Letter, else A4.
// Takes that printer too, unless it prints into a file: the pages ask for
// their own file.
void UseChosenPrinter(QPrinter& printer, const QPrinter& chosen);

// Portrait with margins of 15 mm on the printer's paper if that is A4 or
// Letter, else on A4: the pages of the worksheet and the statistics.
void SetPage(QPrinter& printer);

// Sets up a document named `docName` (SetPage) and begins painting on it;
// the printable page in device pixels, or an empty rectangle when the
// printer could not be opened.
QRect BeginDocument(QPrinter& printer, QPainter& painter, const QString& docName);

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
