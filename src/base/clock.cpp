// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/clock.h"

#include "base/delay.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#ifdef __linux__
#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <climits>

namespace {

class TRealClock final : public TClock {
public:
    TRealClock() { FStart.start(); }

    std::uint32_t Tick() override { return static_cast<std::uint32_t>(FStart.elapsed()); }

    void Wait(std::uint32_t ms) override
    {
        const qint64 startMs = FStart.elapsed();
        const auto start = static_cast<std::uint32_t>(startMs);
        // The wait may end as soon as the tick shows more than `ms` passed:
        // at the beginning of tick start + ms + 1. Waking then, rather than
        // ms + 1 from now, keeps a chain of short waits (the plate's travel
        // is hundreds of 2 ms waits) on the pace of the tick.
        const qint64 deadlineNs = (startMs + qint64(ms) + 1) * 1000000;
        for (;;) {
            const std::uint32_t elapsed = Tick() - start; // unsigned: a wrap is harmless
            if (elapsed > ms || QuitRequested())
                return;
            // Sleep in the event loop until the deadline; events are dispatched
            // meanwhile. Loop again in case the wake-up came a little early.
            int exitCode = 0;
            if (!SleepUntilDeadline(deadlineNs - FStart.nsecsElapsed(), exitCode)) {
                // The loop ended before its deadline: the application is
                // quitting, with the code it was given.
                RequestQuit(exitCode);
                return;
            }
        }
    }

private:
    // Runs an event loop for `ns` nanoseconds; false if it ended early, with
    // the code the loop was ended with.
    static bool SleepUntilDeadline(qint64 ns, int& exitCode)
    {
        QEventLoop loop;
#ifdef __linux__
        // A timer file descriptor wakes to the microsecond; QTimer only counts
        // whole milliseconds from the moment it is started.
        const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (fd >= 0) {
            itimerspec due{};
            const qint64 wait = std::max<qint64>(ns, 1000); // zero would disarm it
            due.it_value.tv_sec = static_cast<time_t>(wait / 1000000000);
            due.it_value.tv_nsec = static_cast<long>(wait % 1000000000);
            const bool armed = timerfd_settime(fd, 0, &due, nullptr) == 0;
            bool fired = false;
            if (armed) {
                QSocketNotifier notifier(fd, QSocketNotifier::Read);
                QObject::connect(&notifier, &QSocketNotifier::activated, &loop, [&] {
                    fired = true;
                    notifier.setEnabled(false);
                    loop.quit();
                });
                exitCode = loop.exec();
            } // the notifier goes before its descriptor
            close(fd);
            if (armed)
                return fired;
        }
#endif
        QTimer deadline;
        deadline.setTimerType(Qt::PreciseTimer);
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        // A QTimer takes an int: a longer wait sleeps in parts.
        deadline.start(static_cast<int>(std::clamp<qint64>((ns + 999999) / 1000000, 1, INT_MAX)));
        exitCode = loop.exec();
        return !deadline.isActive();
    }

    QElapsedTimer FStart;
};

TRealClock& RealClock()
{
    static TRealClock clock;
    return clock;
}

TClock* gClock = nullptr;

} // namespace

QDateTime TClock::NowUtc()
{
    return QDateTime::currentDateTimeUtc();
}

TClock& CurrentClock()
{
    return gClock ? *gClock : RealClock();
}

TClock* SetClock(TClock* clock)
{
    TClock* previous = gClock ? gClock : &RealClock();
    gClock = clock == &RealClock() ? nullptr : clock;
    return previous;
}
