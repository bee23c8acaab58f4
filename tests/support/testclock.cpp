// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testclock.h"

#include "base/delay.h"

#include <QCoreApplication>

#include <numeric>

TTestClock::TTestClock() : FPrevious(SetClock(this)) {}

TTestClock::~TTestClock()
{
    SetClock(FPrevious);
}

void TTestClock::Wait(std::uint32_t ms)
{
    const std::size_t index = FWaits.size();
    FWaits.push_back(ms);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    FNow += ms + 1;
    if (OnWait && !QuitRequested())
        OnWait(index);
}

std::uint64_t TTestClock::TotalWaited() const
{
    return std::accumulate(FWaits.begin(), FWaits.end(), std::uint64_t{0});
}
