// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// What the game asks of sound; tests put a recording double behind it.
class TSoundInterface {
public:
    virtual ~TSoundInterface() = default;
    // Plays the "WAVE" resource `name` asynchronously, cutting off a sound
    // still playing.
    virtual void Play(const QString& name) = 0;
    // Stops any sound now playing.
    virtual void Stop() = 0;
    // The player has turned sound on: a player that loads what it needs
    // lazily starts loading now, so that the first sound is not late.
    virtual void Prepare() {}
    // Sounds are still being read in the background. A sound effect
    // destroyed mid-load leaves Qt Multimedia's loader objects behind.
    virtual bool Loading() const { return false; }
    // Why no sound can be played at all, in Danish; empty while sounds can
    // be played or before that is known.
    virtual QString Problem() const { return {}; }
    // `changed` runs on the window's thread whenever Problem() changes.
    virtual void OnProblemChanged(std::function<void()> changed) { Q_UNUSED(changed); }
};
