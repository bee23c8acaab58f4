// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Maps the window fonts the game names ("MS Sans Serif", "Arial") to
// Liberation Sans, whose metrics match, so texts measure as laid out.
// Call once after the application object exists and before any window.
void InstallFontSubstitutes();
