// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/soundloader.h"

#include "shell/platform_log.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

using TCreate = TSoundInterface* (*)();

// A sound asked for more than this long ago is skipped, not played late: the
// run, its lamp and its sound go on without waiting for the sound system.
constexpr qint64 MaxLatenessMs = 300;

class TProblemListener;

// What the window's thread and the sound thread share, under Lock.
struct TSoundShared {
    QMutex Lock;
    // The last command not yet served: a sound's name, or empty for "stop".
    // A later command replaces it (a sound cuts off the one before anyway).
    bool HasCommand = false;
    QString Command;
    QElapsedTimer Asked;
    bool Ended = false;
    // Lives on the sound thread once the player is loaded; woken for each command.
    QObject* Server = nullptr;
    // Lives on the window's thread; told when the problem is known.
    TProblemListener* Listener = nullptr;
    QString Problem;
    // The player is still reading its sounds (Qt Multimedia does that on a
    // thread of its own).
    bool Loading = true;
};

// Hears the sound thread on the window's thread.
class TProblemListener final : public QObject {
public:
    std::function<void()> Changed;
    QString Problem;
    std::shared_ptr<TSoundShared> Shared;

    void ProblemKnown()
    {
        QString problem;
        {
            const QMutexLocker lock(&Shared->Lock);
            problem = Shared->Problem;
        }
        if (problem == Problem)
            return;
        Problem = problem;
        if (Changed)
            Changed();
    }
};

// Loads the module and creates the player; the problem, if any, in `problem`.
std::unique_ptr<TSoundInterface> LoadPlayer(QString& problem)
{
    const QString path = SoundModulePath();
    if (path.isEmpty()) {
        qCWarning(lcPlatform) << "the sound module vorlen-sound.so is not found: no sound";
        problem = QStringLiteral("Der kan ikke spilles lyd: lydmodulet vorlen-sound.so mangler.");
        return nullptr;
    }
    QLibrary library(path);
    // Never unloaded: Qt Multimedia keeps threads and plug-ins of its own.
    library.setLoadHints(QLibrary::PreventUnloadHint);
    const auto create = reinterpret_cast<TCreate>(library.resolve("VorlenCreateSoundPlayer"));
    if (!create) {
        qCWarning(lcPlatform) << "the sound module does not load:" << library.errorString();
        problem = QStringLiteral("Der kan ikke spilles lyd: lydmodulet kunne ikke indlæses.");
        return nullptr;
    }
    std::unique_ptr<TSoundInterface> player(create());
    problem = player->Problem();
    if (!problem.isEmpty())
        qCWarning(lcPlatform) << "the sound module has no audio output: no sound";
    return player;
}

// Loads and plays on a thread of its own: Qt Multimedia connects to the
// sound server when it is first used and waits for its answer (about 30 s
// for a server that never answers), and nothing on the window's thread may
// wait for that.
class TSoundThread final : public QThread {
public:
    explicit TSoundThread(std::shared_ptr<TSoundShared> shared) : FShared(std::move(shared))
    {
        setObjectName(QStringLiteral("VorlenSound"));
    }

protected:
    void run() override
    {
        QString problem;
        FPlayer = LoadPlayer(problem);
        QObject server;
        bool ended = false;
        {
            const QMutexLocker lock(&FShared->Lock);
            FShared->Problem = problem;
            if (TProblemListener* listener = FShared->Listener)
                QMetaObject::invokeMethod(listener, [listener] { listener->ProblemKnown(); }, Qt::QueuedConnection);
            ended = FShared->Ended;
            if (!ended)
                FShared->Server = &server;
        }
        if (!ended) {
            Serve();
            // Tells the window's thread when the sounds are read.
            QTimer loading;
            loading.setInterval(20);
            const auto update = [this, &loading] {
                const bool busy = FPlayer && FPlayer->Loading();
                {
                    const QMutexLocker lock(&FShared->Lock);
                    FShared->Loading = busy;
                }
                if (!busy)
                    loading.stop();
            };
            QObject::connect(&loading, &QTimer::timeout, update);
            loading.start();
            update();
            exec();
            const QMutexLocker lock(&FShared->Lock);
            FShared->Server = nullptr;
        }
        // The sound effects end on the thread they live on.
        FPlayer.reset();
    }

public:
    // On this thread: the latest command, unless it is too late.
    void Serve()
    {
        QString command;
        {
            const QMutexLocker lock(&FShared->Lock);
            if (!FShared->HasCommand)
                return;
            FShared->HasCommand = false;
            command = FShared->Command;
            if (!command.isEmpty() && FShared->Asked.elapsed() > MaxLatenessMs) {
                qCDebug(lcPlatform) << "sound" << command << "skipped:" << FShared->Asked.elapsed() << "ms late";
                command.clear();
            }
        }
        if (!FPlayer)
            return;
        if (command.isEmpty())
            FPlayer->Stop();
        else
            FPlayer->Play(command);
    }

private:
    std::shared_ptr<TSoundShared> FShared;
    std::unique_ptr<TSoundInterface> FPlayer; // used on this thread only
};

// Threads still loading when their player ended: they end on their own
// when the sound system answers, and are never destroyed while running.
std::vector<TSoundThread*>& LeftThreads()
{
    // Never destroyed, so that they stay reachable to the end.
    static auto* threads = new std::vector<TSoundThread*>;
    return *threads;
}

class TLazySoundPlayer final : public TSoundInterface {
public:
    // Nothing at start-up: the sound starts off, and a player who never turns
    // it on never pays for Qt Multimedia (some 5 MiB and a tenth of the
    // start-up's processor work).
    TLazySoundPlayer() { FListener.Shared = FShared; }

    ~TLazySoundPlayer() override
    {
        if (!FThread)
            return;
        {
            const QMutexLocker lock(&FShared->Lock);
            FShared->Ended = true;
            FShared->Listener = nullptr;
        }
        FThread->quit();
        // Long enough for a player that is loading normally; a thread that
        // waits for a silent sound server is left to end on its own.
        if (FThread->wait(QDeadlineTimer(500))) {
            delete FThread;
        } else {
            qCWarning(lcPlatform) << "the sound system does not answer; closing without waiting for it";
            LeftThreads().push_back(FThread);
        }
    }

    void Prepare() override { Start(); }

    void Play(const QString& name) override { Send(name); }

    void Stop() override
    {
        if (FThread)
            Send(QString());
    }

    bool Loading() const override
    {
        if (!FThread)
            return false;
        const QMutexLocker lock(&FShared->Lock);
        return FShared->Loading;
    }
    QString Problem() const override { return FListener.Problem; }
    void OnProblemChanged(std::function<void()> changed) override { FListener.Changed = std::move(changed); }

private:
    void Start()
    {
        if (FThread)
            return;
        {
            const QMutexLocker lock(&FShared->Lock);
            FShared->Listener = &FListener;
        }
        FThread = new TSoundThread(FShared);
        FThread->start(QThread::LowPriority);
    }

    void Send(const QString& command)
    {
        Start();
        const QMutexLocker lock(&FShared->Lock);
        FShared->HasCommand = true;
        FShared->Command = command;
        FShared->Asked.start();
        if (FShared->Server) {
            TSoundThread* thread = FThread;
            QMetaObject::invokeMethod(FShared->Server, [thread] { thread->Serve(); }, Qt::QueuedConnection);
        }
    }

    std::shared_ptr<TSoundShared> FShared = std::make_shared<TSoundShared>();
    TProblemListener FListener;
    TSoundThread* FThread = nullptr;
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

bool SoundSystemHangs()
{
    const std::vector<TSoundThread*>& threads = LeftThreads();
    return std::any_of(threads.begin(), threads.end(), [](const TSoundThread* t) { return t->isRunning(); });
}

std::unique_ptr<TSoundInterface> CreateSoundPlayer()
{
    return std::make_unique<TLazySoundPlayer>();
}
