// SPDX-License-Identifier: GPL-3.0-or-later
// A sound player for tests: it plays nothing and remembers what it was asked,
// as "play:OKLYD", "stop", in order.
#pragma once

#include "shell/soundplayer.h"

#include <QStringList>

class TRecordingSound final : public TSoundInterface {
public:
    void Play(const QString& name) override;
    void Stop() override;

    const QStringList& Calls() const { return FCalls; }
    void ClearCalls() { FCalls.clear(); }

private:
    QStringList FCalls;
};
