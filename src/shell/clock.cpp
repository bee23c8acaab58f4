// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/clock.h"

#include "shell/delay.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

class TRealClock final : public TClock {
public:
    TRealClock() { FStart.start(); }

    std::uint32_t Tick() override { return static_cast<std::uint32_t>(FStart.elapsed()); }

    void Wait(std::uint32_t ms) override
    {
        const std::uint32_t start = Tick();
        for (;;) {
            const std::uint32_t elapsed = Tick() - start; // unsigned: a wrap is harmless
            if (elapsed > ms || QuitRequested())
                return;
            // Sleep in the event loop until the deadline; events are dispatched
            // meanwhile. Loop again because a timer may fire a little early.
            QEventLoop loop;
            QTimer deadline;
            deadline.setTimerType(Qt::PreciseTimer);
            deadline.setSingleShot(true);
            QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
            deadline.start(static_cast<int>(ms - elapsed + 1));
            loop.exec();
            if (deadline.isActive()) {
                // The loop ended before its deadline: the application is quitting.
                RequestQuit();
                return;
            }
        }
    }

private:
    QElapsedTimer FStart;
};

TRealClock& RealClock()
{
    static TRealClock clock;
    return clock;
}

TClock* gClock = nullptr;

} // namespace

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
