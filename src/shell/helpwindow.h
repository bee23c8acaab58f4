// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own viewer for its help file "Vorlen.HLP" (HTML).
#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// Where the help file is: beside the program, then in the installed data
// folder (../share/vorlen), then in the source tree of a developer build.
// The first candidate when none exists.
QString HelpFilePath();

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* owner = nullptr);

    // Shows `path` from its top, where its contents list is; a missing file
    // is reported in the window.
    void OpenContents(const QString& path);

    QTextBrowser* Browser = nullptr;
    QPushButton* bbIndhold = nullptr;
    QPushButton* bbTilbage = nullptr;
    QPushButton* bbFrem = nullptr;

private:
    QString FPath;
    bool FMissingShown = false;
};

// Opens the help file at its contents in the one help window of `owner`
// (made on first use, destroyed with `owner`) and brings it to the front.
THelpWindow* ShowHelpContents(QWidget* owner);
