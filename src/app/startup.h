// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

// Starts the program: application, main window with splash, about box, event
// loop. Returns the exit code.
int VorlenMain(int argc, char** argv);

// Everything VorlenMain does once the application exists; also taken by a
// measuring program that watches the start from inside the process.
int VorlenRun(QApplication& app);
