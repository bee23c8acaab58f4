// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound/soundplayer_qt.h"

#include "shell/resources.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>

#include <algorithm>

TQtSoundPlayer::TQtSoundPlayer()
{
    for (const QString& name : {QStringLiteral("OKLYD"), QStringLiteral("FEJLLYD")}) {
        auto effect = std::make_unique<QSoundEffect>();
        const QString path = ResourcePath(QStringLiteral("WAVE"), name);
        // A Qt resource path ":/x" is the URL "qrc:/x".
        if (!path.isEmpty())
            effect->setSource(path.startsWith(u':') ? QUrl(QStringLiteral("qrc") + path)
                                                    : QUrl::fromLocalFile(path));
        FEffects.emplace(name, std::move(effect));
    }
}

TQtSoundPlayer::~TQtSoundPlayer() = default;

void TQtSoundPlayer::Play(const QString& name)
{
    Stop();
    const auto it = FEffects.find(name);
    if (it != FEffects.end())
        it->second->play();
}

void TQtSoundPlayer::Stop()
{
    // Never wait on isPlaying(): without an audio device it stays true.
    for (auto& [name, effect] : FEffects)
        effect->stop();
}

bool TQtSoundPlayer::Loading() const
{
    return std::any_of(FEffects.begin(), FEffects.end(),
                       [](const auto& effect) { return effect.second->status() == QSoundEffect::Loading; });
}

const QSoundEffect* TQtSoundPlayer::Effect(const QString& name) const
{
    const auto it = FEffects.find(name);
    return it == FEffects.end() ? nullptr : it->second.get();
}

QString TQtSoundPlayer::Problem() const
{
    return QMediaDevices::audioOutputs().isEmpty()
               ? QStringLiteral("Der kan ikke spilles lyd: der er ingen lydudgang, eller lydsystemet svarer ikke.")
               : QString();
}
