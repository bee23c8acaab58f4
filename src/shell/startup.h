// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Starts the program: application, main window with splash, about box, event
// loop. Returns the exit code.
int VorlenMain(int argc, char** argv);
