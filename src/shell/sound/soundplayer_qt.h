// SPDX-License-Identifier: GPL-3.0-or-later
// The verdict sounds through Qt Multimedia. QSoundEffect is used because it
// neither blocks nor crashes on a machine without an audio device.
#pragma once

#include "shell/soundplayer.h"

#include <QObject>
#include <QSoundEffect>

#include <map>
#include <memory>

class TQtSoundPlayer final : public TSoundInterface {
public:
    // Loads the WAVE resources "OKLYD" and "FEJLLYD" once, in the background.
    TQtSoundPlayer();
    ~TQtSoundPlayer() override;
    TQtSoundPlayer(const TQtSoundPlayer&) = delete;
    TQtSoundPlayer& operator=(const TQtSoundPlayer&) = delete;

    void Play(const QString& name) override;
    void Stop() override;
    bool Loading() const override;
    // Asks the audio system for its outputs: call it where waiting is
    // harmless (a silent sound server keeps it for half a minute).
    QString Problem() const override;

    // The effect behind a sound name (nullptr for an unknown name); for
    // checking its loading state.
    const QSoundEffect* Effect(const QString& name) const;

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> FEffects;
};
