// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for tests that meet modal dialogs and quit requests.
#pragma once

#include <functional>

class QDialog;

// Runs `act` on the modal dialog as soon as it is on screen. A watchdog
// closes it (with no answer) if the act left it open, so a fault fails the
// test instead of hanging it.
void OnDialog(std::function<void(QDialog*)> act);

// A quit request leaves Qt's "quit now" flag set, which makes every later
// event loop (and modal dialog) return at once; a short run of the
// application's own loop clears it, together with our own quit request.
void ForgetQuit();
