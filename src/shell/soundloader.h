// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/soundplayer.h"

#include <memory>

// The game's sound player. It loads the sound module (Qt Multimedia) once the
// player turns sound on (Prepare), or at the first sound if that comes
// earlier; without the module, or without an audio device, it is silent.
std::unique_ptr<TSoundInterface> CreateSoundPlayer();

// The module file that CreateSoundPlayer() loads, or empty if none is found.
QString SoundModulePath();

// True while a sound thread left behind at closing still waits for a sound
// system that does not answer. Qt Multimedia's clean-up at the program's
// exit would wait for it as well (up to half a minute).
bool SoundSystemHangs();
