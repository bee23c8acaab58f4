// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module's entry point. The game loads this module after start-up
// so that Qt Multimedia and the audio libraries it brings (about twenty) are
// not loaded before the window is on the screen.
#include "shell/sound/soundplayer_qt.h"

extern "C" Q_DECL_EXPORT TSoundInterface* VorlenCreateSoundPlayer()
{
    return new TQtSoundPlayer;
}
