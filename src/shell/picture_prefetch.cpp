// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/picture_prefetch.h"

#include <QImageReader>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

struct TPrefetchEntry {
    enum class TState { Waiting, Decoding, Done, Taken };
    QString Path;
    TState State = TState::Waiting;
    QImage Picture;
};

class TPrefetch {
public:
    explicit TPrefetch(const QStringList& paths)
    {
        for (const QString& path : paths)
            FEntries.push_back({path, TPrefetchEntry::TState::Waiting, QImage()});
        FWorker = std::thread([this] { Work(); });
    }

    ~TPrefetch()
    {
        {
            std::lock_guard guard(FLock);
            FStop = true;
        }
        FWorker.join();
    }

    std::optional<QImage> Take(const QString& path)
    {
        std::unique_lock guard(FLock);
        for (TPrefetchEntry& entry : FEntries) {
            if (entry.Path != path || entry.State == TPrefetchEntry::TState::Taken)
                continue;
            if (entry.State == TPrefetchEntry::TState::Waiting) {
                // Not begun: decoding it here is sooner than waiting.
                entry.State = TPrefetchEntry::TState::Taken;
                guard.unlock();
                return ReadPngPicture(path);
            }
            FReady.wait(guard, [&] { return entry.State == TPrefetchEntry::TState::Done; });
            entry.State = TPrefetchEntry::TState::Taken;
            return std::move(entry.Picture);
        }
        return std::nullopt;
    }

private:
    void Work()
    {
        std::unique_lock guard(FLock);
        for (TPrefetchEntry& entry : FEntries) {
            if (FStop)
                return;
            if (entry.State != TPrefetchEntry::TState::Waiting)
                continue;
            entry.State = TPrefetchEntry::TState::Decoding;
            guard.unlock();
            QImage picture = ReadPngPicture(entry.Path);
            guard.lock();
            entry.Picture = std::move(picture);
            entry.State = TPrefetchEntry::TState::Done;
            FReady.notify_all();
        }
    }

    std::mutex FLock;
    std::condition_variable FReady;
    // Fixed in size once the thread runs: entries are only changed in place.
    std::vector<TPrefetchEntry> FEntries;
    bool FStop = false;
    std::thread FWorker;
};

std::unique_ptr<TPrefetch> gPrefetch; // touched by the main thread only

} // namespace

QImage ReadPngPicture(const QString& path)
{
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

void StartPicturePrefetch(const QStringList& paths)
{
    EndPicturePrefetch();
    if (!paths.isEmpty())
        gPrefetch = std::make_unique<TPrefetch>(paths);
}

std::optional<QImage> TakePrefetchedPicture(const QString& path)
{
    if (!gPrefetch)
        return std::nullopt;
    return gPrefetch->Take(path);
}

void EndPicturePrefetch()
{
    gPrefetch.reset();
}
