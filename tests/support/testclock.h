// SPDX-License-Identifier: GPL-3.0-or-later
// A clock for tests: every wait dispatches pending events once, then advances
// virtual time by the asked milliseconds plus one (a wait ends after more than
// the asked time) and is recorded, so a whole animation runs in microseconds
// and its timeline can be checked exactly.
#pragma once

#include "base/clock.h"

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

    // Milliseconds asked of each wait served, in order.
    const std::vector<std::uint32_t>& Waits() const { return FWaits; }
    std::uint64_t TotalWaited() const;
    void ClearWaits() { FWaits.clear(); }
    void SetNow(std::uint32_t now) { FNow = now; }

    // Runs inside every wait, after events were dispatched: tests use it to act
    // in the middle of an animation (argument: index of the wait).
    std::function<void(std::size_t)> OnWait;

private:
    TClock* FPrevious;
    std::uint32_t FNow = 1000;
    std::vector<std::uint32_t> FWaits;
};
