// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the statistics as a file, only when the teacher asks for it.
#pragma once

#include <QString>

class QWidget;

// Qt's save dialog (Danish, CSV filter, the default name in Documents; it
// asks before overwriting a file). Empty when cancelled.
QString AskCsvFileName(QWidget* parent, const QString& defaultFileName);

// Writes `text` as UTF-8 with a byte order mark (spreadsheets take the file
// for UTF-8 by it). The file is replaced only when the whole text was
// written; false, and any old file untouched, when it could not be.
bool WriteTextFile(const QString& path, const QString& text);
