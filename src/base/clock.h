// SPDX-License-Identifier: GPL-3.0-or-later
// The one clock of the program. Every pause goes through Delay(), every timer
// is a TClockTimer and the time of day comes from here; tests install a clock
// of their own that advances virtually, so animations run in microseconds and
// their timelines are exact.
#pragma once

#include <cstdint>

class QDateTime;
class TTimerQueue;

class TClock {
public:
    virtual ~TClock() = default;
    // Millisecond tick counter; wraps around like a 32-bit system tick.
    virtual std::uint32_t Tick() = 0;
    // Waits until more than `ms` milliseconds have passed on Tick(),
    // dispatching the window system's events meanwhile.
    virtual void Wait(std::uint32_t ms) = 0;
    // The date and time now, in UTC; the system's unless a clock says otherwise.
    virtual QDateTime NowUtc();
    // The timers this clock fires itself (during its waits), or nullptr: then
    // every TClockTimer is a plain QTimer of the event loop.
    virtual TTimerQueue* Timers() { return nullptr; }
};

// The clock in use; the real one unless a test installed another.
TClock& CurrentClock();
// Installs `clock` (nullptr: the real clock) and returns the previous one.
TClock* SetClock(TClock* clock);
