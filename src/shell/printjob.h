// SPDX-License-Identifier: GPL-3.0-or-later
// Where a print goes. To the printer when the system has one; without a
// printer Qt prints into a PDF file, and then the player chooses the file in
// a save dialog (Danish, PDF filter, the default name in Documents; the
// dialog asks before overwriting a file).
#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

class TPrintJob {
public:
    explicit TPrintJob(QPrinter& printer);
    // A file chosen for this job only is forgotten, so that the next print
    // asks again instead of overwriting it.
    ~TPrintJob();
    TPrintJob(const TPrintJob&) = delete;
    TPrintJob& operator=(const TPrintJob&) = delete;

    // False when the player cancelled the choice of file: print nothing and
    // say nothing. A file set up in the printer set-up is printed to as it
    // is.
    bool BeginPrintJob(QWidget* parent, const QString& defaultFileName);

private:
    QPrinter& FPrinter;
    bool FChoseFile = false;
};

// Qt's own save dialog (the same everywhere, in Danish with Qt's
// translations), opened in Documents (else the home folder) with
// `defaultFileName` chosen; it asks before overwriting. `filter` is a name
// filter ("PDF-dokumenter (*.pdf)"), `suffix` the one added to a bare name.
// Empty when cancelled.
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& objectName, const QString& filter,
                        const QString& suffix, const QString& defaultFileName);

// The save dialog above on its own; empty when cancelled.
QString AskPdfFileName(QWidget* parent, const QString& defaultFileName);

// For prints of several pages (worksheets, statistics): Qt's print dialog
// when the system has a printer, else the save dialog for a PDF file. False
// when the player cancelled: nothing is to be printed.
bool ChoosePrintOutput(QPrinter& printer, QWidget* parent, const QString& defaultFileName);

// Prints one document and checks that it came out: `paint` begins and ends
// its painter on `printer` and returns whether that went well. A PDF is
// written into a temporary file beside the chosen one, which replaces it only
// when the file is complete (a full disk leaves the old file, or none); a
// printer must have taken the job. Otherwise the message dialog tells the
// player `failure`, with the reason when it is known, and false is returned.
bool PrintAndCheck(QPrinter& printer, const QString& failure, const std::function<bool()>& paint);

// The printer set-up: Qt's print dialog, its accept button saying "OK"
// because it only keeps the choices. Returns whether it was accepted.
bool PrinterSetupDialog(QPrinter& printer, QWidget* parent);
