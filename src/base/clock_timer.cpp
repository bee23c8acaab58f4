// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/clock_timer.h"

#include "base/clock.h"

#include <QPointer>

#include <algorithm>

namespace {

// Ticks wrap around: compare by the signed distance.
bool Before(std::uint32_t a, std::uint32_t b)
{
    return std::int32_t(a - b) < 0;
}

} // namespace

TClockTimer::TClockTimer(QObject* parent) : QObject(parent)
{
    connect(&FTimer, &QTimer::timeout, this, &TClockTimer::timeout);
}

TClockTimer::~TClockTimer()
{
    if (FQueue)
        FQueue->Remove(this);
}

void TClockTimer::setInterval(int ms)
{
    FInterval = std::max(ms, 0);
    FTimer.setInterval(FInterval);
    if (FQueue)
        start();
}

void TClockTimer::setSingleShot(bool singleShot)
{
    FSingleShot = singleShot;
    FTimer.setSingleShot(singleShot);
}

bool TClockTimer::isActive() const
{
    return FQueue || FTimer.isActive();
}

int TClockTimer::remainingTime() const
{
    if (!FQueue)
        return FTimer.remainingTime();
    const auto left = std::int32_t(FDeadline - FQueue->FClock.Tick());
    return std::max(left, 0);
}

void TClockTimer::start()
{
    stop();
    if (TTimerQueue* queue = CurrentClock().Timers())
        queue->Add(this, FInterval);
    else
        FTimer.start(FInterval);
}

void TClockTimer::start(int ms)
{
    setInterval(ms);
    start();
}

void TClockTimer::stop()
{
    FTimer.stop();
    if (FQueue)
        FQueue->Remove(this);
}

void TClockTimer::singleShot(int ms, QObject* context, std::function<void()> act)
{
    auto* timer = new TClockTimer(context);
    timer->setSingleShot(true);
    connect(timer, &TClockTimer::timeout, timer, [timer, act = std::move(act)] {
        timer->deleteLater();
        act();
    });
    timer->start(ms);
}

TTimerQueue::~TTimerQueue()
{
    for (TClockTimer* timer : FTimers)
        timer->FQueue = nullptr;
}

void TTimerQueue::Add(TClockTimer* timer, int ms)
{
    timer->FQueue = this;
    timer->FDeadline = FClock.Tick() + std::uint32_t(ms);
    timer->FOrder = FStarted++;
    FTimers.push_back(timer);
}

void TTimerQueue::Remove(TClockTimer* timer)
{
    FTimers.erase(std::remove(FTimers.begin(), FTimers.end(), timer), FTimers.end());
    timer->FQueue = nullptr;
}

TClockTimer* TTimerQueue::Earliest() const
{
    TClockTimer* earliest = nullptr;
    for (TClockTimer* timer : FTimers) {
        if (timer->FFiring)
            continue;
        if (!earliest || Before(timer->FDeadline, earliest->FDeadline)
            || (timer->FDeadline == earliest->FDeadline && timer->FOrder < earliest->FOrder))
            earliest = timer;
    }
    return earliest;
}

std::optional<std::uint32_t> TTimerQueue::NextDeadline() const
{
    if (const TClockTimer* timer = Earliest())
        return timer->FDeadline;
    return std::nullopt;
}

bool TTimerQueue::FireDue()
{
    TClockTimer* timer = Earliest();
    const std::uint32_t now = FClock.Tick();
    if (!timer || Before(now, timer->FDeadline))
        return false;
    if (timer->FSingleShot) {
        Remove(timer);
    } else {
        // The next period counts from this deadline, as a QTimer's does; a
        // zero interval waits a tick, so a wait always ends.
        const auto period = std::uint32_t(std::max(timer->FInterval, 1));
        timer->FDeadline += period;
        if (!Before(now, timer->FDeadline)) // late: no burst of missed periods
            timer->FDeadline = now + period;
        timer->FOrder = FStarted++;
    }
    QPointer<TClockTimer> alive(timer);
    timer->FFiring = true;
    Q_EMIT timer->timeout();
    if (alive)
        alive->FFiring = false;
    return true;
}
