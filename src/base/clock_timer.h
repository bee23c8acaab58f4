// SPDX-License-Identifier: GPL-3.0-or-later
// A timer on the one clock. On the real clock it is a plain QTimer (the same
// pacing and timer type as one); on a clock that runs its timers itself (the
// tests' virtual clock) it fires inside that clock's waits, once the clock's
// time passes its deadline, earliest deadline first.
#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class TClock;
class TTimerQueue;

class TClockTimer : public QObject {
    Q_OBJECT
public:
    explicit TClockTimer(QObject* parent = nullptr);
    ~TClockTimer() override;

    // As QTimer's: a new interval restarts an active timer.
    void setInterval(int ms);
    int interval() const { return FInterval; }
    void setSingleShot(bool singleShot);
    bool isSingleShot() const { return FSingleShot; }
    void setTimerType(Qt::TimerType type) { FTimer.setTimerType(type); }
    Qt::TimerType timerType() const { return FTimer.timerType(); }
    bool isActive() const;
    // Milliseconds to the next timeout (0 when due), -1 when inactive.
    int remainingTime() const;

    // Calls `act` once, `ms` from now, unless `context` has gone by then.
    static void singleShot(int ms, QObject* context, std::function<void()> act);

public Q_SLOTS:
    // (Re)starts with interval(), on the clock in use now.
    void start();
    void start(int ms);
    void stop();

Q_SIGNALS:
    void timeout();

private:
    friend class TTimerQueue;
    QTimer FTimer; // on the real clock
    TTimerQueue* FQueue = nullptr; // the virtual clock's queue while started on it
    std::uint32_t FDeadline = 0; // on that clock's Tick()
    std::uint64_t FOrder = 0; // equal deadlines fire in the order started
    bool FFiring = false;
    int FInterval = 0;
    bool FSingleShot = false;
};

// The timers of a clock that fires them itself. Its owner advances its time
// and calls FireDue(); a timer never fires again inside its own timeout, as
// with QTimer. Pending timers become inactive when the queue goes.
class TTimerQueue {
public:
    explicit TTimerQueue(TClock& clock) : FClock(clock) {}
    ~TTimerQueue();
    TTimerQueue(const TTimerQueue&) = delete;
    TTimerQueue& operator=(const TTimerQueue&) = delete;

    // The earliest deadline among the timers that may fire, if any.
    std::optional<std::uint32_t> NextDeadline() const;
    // Fires the earliest timer whose deadline is not after the clock's
    // Tick(); false if none is due.
    bool FireDue();
    std::size_t Count() const { return FTimers.size(); }

private:
    friend class TClockTimer;
    void Add(TClockTimer* timer, int ms);
    void Remove(TClockTimer* timer);
    TClockTimer* Earliest() const;
    TClock& FClock;
    std::vector<TClockTimer*> FTimers;
    std::uint64_t FStarted = 0;
};
