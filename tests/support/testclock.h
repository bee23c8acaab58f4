// SPDX-License-Identifier: GPL-3.0-or-later
// A clock for tests: every wait dispatches pending events once, then advances
// virtual time by the asked milliseconds plus one (a wait ends after more than
// the asked time) and is recorded, so a whole animation runs in microseconds
// and its timeline can be checked exactly. The program's timers fire inside
// the waits as the time passes their deadlines, and the time of day is the
// test's.
#pragma once

#include "base/clock.h"
#include "base/clock_timer.h"

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <vector>

class TTestClock final : public TClock {
public:
    // Installs itself as the current clock; the destructor restores the previous one.
    TTestClock();
    ~TTestClock() override;
    TTestClock(const TTestClock&) = delete;
    TTestClock& operator=(const TTestClock&) = delete;

    std::uint32_t Tick() override { return FNow; }
    void Wait(std::uint32_t ms) override;
    QDateTime NowUtc() override;
    TTimerQueue* Timers() override { return &FTimers; }

    // Milliseconds asked of each wait served, in order.
    const std::vector<std::uint32_t>& Waits() const { return FWaits; }
    std::uint64_t TotalWaited() const;
    void ClearWaits() { FWaits.clear(); }
    // Sets the tick without dispatching anything: timers overdue by then
    // fire in the next wait.
    void SetNow(std::uint32_t now) { FNow = now; }
    // The time of day (UTC) now; it runs on with the virtual time. A fixed
    // morning unless set.
    void SetTimeOfDay(const QTime& time);

    // Runs inside every wait, after events were dispatched: tests use it to act
    // in the middle of an animation (argument: index of the wait).
    std::function<void(std::size_t)> OnWait;

private:
    TClock* FPrevious;
    std::uint32_t FNow = 1000;
    std::vector<std::uint32_t> FWaits;
    QDateTime FDay{QDate(2026, 3, 2), QTime(9, 0), Qt::UTC};
    std::uint32_t FDayTick = FNow; // the tick at which FDay was true
    TTimerQueue FTimers{*this};
};
