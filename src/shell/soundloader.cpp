// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/soundloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QObject>
#include <QTimer>

namespace {

using TCreate = TSoundInterface* (*)();

class TLazySoundPlayer final : public TSoundInterface {
public:
    // Nothing at start-up: the sound starts off, and a player who never turns
    // it on never pays for Qt Multimedia (some 5 MiB and a tenth of the
    // start-up's processor work).
    TLazySoundPlayer() = default;

    void Prepare() override
    {
        // After the click that turned sound on has been answered.
        if (!FTried)
            QTimer::singleShot(0, &FContext, [this] { Load(); });
    }

    void Play(const QString& name) override
    {
        Load();
        if (FPlayer)
            FPlayer->Play(name);
    }

    void Stop() override
    {
        if (FPlayer)
            FPlayer->Stop();
    }

    bool Loading() const override { return FPlayer && FPlayer->Loading(); }

private:
    void Load()
    {
        if (FTried)
            return;
        FTried = true;
        const QString path = SoundModulePath();
        if (path.isEmpty())
            return;
        QLibrary library(path);
        // Never unloaded: Qt Multimedia keeps threads and plug-ins of its own.
        library.setLoadHints(QLibrary::PreventUnloadHint);
        if (auto create = reinterpret_cast<TCreate>(library.resolve("VorlenCreateSoundPlayer")))
            FPlayer.reset(create());
    }

    QObject FContext; // ends the pending load with the player
    bool FTried = false;
    std::unique_ptr<TSoundInterface> FPlayer;
};

} // namespace

QString SoundModulePath()
{
    const QString name = QStringLiteral("vorlen-sound.so");
    const QDir appDir(QCoreApplication::applicationDirPath());
    // Installed: in the private module folder; in the build tree: beside.
    const QStringList candidates{
        appDir.filePath(QStringLiteral(VORLEN_SOUND_MODULE_RELDIR "/") + name),
        appDir.filePath(name),
    };
    for (const QString& candidate : candidates)
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).absoluteFilePath();
    return QString();
}

std::unique_ptr<TSoundInterface> CreateSoundPlayer()
{
    return std::make_unique<TLazySoundPlayer>();
}
