// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recordingsound.h"

void TRecordingSound::Play(const QString& name)
{
    FCalls.append(QStringLiteral("play:") + name);
}

void TRecordingSound::Stop()
{
    FCalls.append(QStringLiteral("stop"));
}
