// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of the start sequence, in the order VorlenMain takes them; apart
// so that tests can take them one by one inside their own application.
#pragma once

#include <memory>

class QCoreApplication;
class TfmBraet;

// Qt's own texts (standard buttons, print dialog, context menus) in Danish
// whatever the system's language, and Danish number and date formats.
// Returns how many of Qt's translation catalogues were installed.
int InstallDanishTranslations(QCoreApplication& app);

// Name, version and desktop entry of the application, as the package's
// desktop entry and catalogue data know them.
void NameApplication();

// The last step of the main window's creation: shows the splash with the
// picture of Image2 and paints it at once.
void FormCreate(TfmBraet& form);

// Creates the main window (which shows the splash) and then the hidden about
// box, which lives as long as the main window.
std::unique_ptr<TfmBraet> CreateMainWindow();

// Shows the main window centred on the screen, the splash staying in front.
void ShowMainWindow(TfmBraet& form);
