// SPDX-License-Identifier: GPL-3.0-or-later
// Playing without a mouse and with a screen reader: the keys, the focus mark
// and tab order, and the accessible names and descriptions of the window.
#pragma once

class TfmBraet;

// Adds them to the window, which owns them.
void AttachAccess(TfmBraet& window);
