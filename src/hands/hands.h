// SPDX-License-Identifier: GPL-3.0-or-later
// For a child's hands: undo and redo, drag and drop, the chosen tool that
// shows, and the line that tells how to begin.
#pragma once

class TfmBraet;

// Adds them to the window, which owns them.
void AttachHands(TfmBraet& window);
