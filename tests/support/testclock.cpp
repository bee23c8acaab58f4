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
    const std::uint32_t end = FNow + ms + 1;
    // Time runs to each deadline on the way and that timer fires there; a
    // timeout that waits itself moves the time on, maybe past this end.
    while (!QuitRequested()) {
        const std::optional<std::uint32_t> next = FTimers.NextDeadline();
        if (!next || std::int32_t(*next - end) > 0)
            break;
        if (std::int32_t(*next - FNow) > 0)
            FNow = *next;
        FTimers.FireDue();
    }
    if (std::int32_t(end - FNow) > 0)
        FNow = end;
    if (OnWait && !QuitRequested())
        OnWait(index);
}

QDateTime TTestClock::NowUtc()
{
    return FDay.addMSecs(qint64(std::int32_t(FNow - FDayTick)));
}

void TTestClock::SetTimeOfDay(const QTime& time)
{
    FDay = QDateTime(FDay.date(), time, Qt::UTC);
    FDayTick = FNow;
}

std::uint64_t TTestClock::TotalWaited() const
{
    return std::accumulate(FWaits.begin(), FWaits.end(), std::uint64_t{0});
}
