// SPDX-License-Identifier: GPL-3.0-or-later
// Centring a top-level window on the screen by its outer size (frame and
// title bar included). The frame is only known once the window manager has
// framed the shown window, so the window is centred again whenever its size
// or its frame changes; a move by the player is left alone.
#pragma once

#include <QMargins>

class QWidget;

void KeepCentredByOuterSize(QWidget& window);

// The frame the window manager has put around a top-level widget; empty
// without a window manager or before the window has been framed.
QMargins FrameMargins(const QWidget& window);
