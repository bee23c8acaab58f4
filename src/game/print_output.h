// SPDX-License-Identifier: GPL-3.0-or-later
// Where a print goes: the printer chosen in Qt's print dialog, or, on a
// computer without a printer, a PDF file chosen in a save dialog.
#pragma once

class QPrinter;
class QString;
class QWidget;

// Asks where `printer` shall print; `defaultFileName` is offered for a PDF.
// Returns false when the player cancelled: nothing is to be printed.
bool ChoosePrintOutput(QPrinter& printer, QWidget* parent, const QString& defaultFileName);
