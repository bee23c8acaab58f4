// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's timer: a QTimer on the real clock; on the test clock it fires
// inside the waits, in deadline order, at its deadline's tick.
#include "base/clock.h"
#include "base/clock_timer.h"
#include "base/delay.h"
#include "support/testclock.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTest>

#include <memory>
#include <utility>
#include <vector>

namespace {

using TFired = std::vector<std::pair<QString, std::uint32_t>>; // name, tick it fired at

// A timer that notes its timeouts in `log`.
std::unique_ptr<TClockTimer> Noting(TFired& log, const QString& name, int ms, bool singleShot)
{
    auto timer = std::make_unique<TClockTimer>();
    timer->setInterval(ms);
    timer->setSingleShot(singleShot);
    QObject::connect(timer.get(), &TClockTimer::timeout, timer.get(),
                     [&log, name] { log.emplace_back(name, CurrentClock().Tick()); });
    return timer;
}

} // namespace

class TestClockTimer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { ClearQuitRequest(); }

    // Earliest deadline first, each at its own tick, equal deadlines in the
    // order started; a repeating timer once per interval; nothing before a wait.
    void firesInDeadlineOrder()
    {
        TTestClock clock;
        TFired log;
        const std::uint32_t t0 = clock.Tick();
        auto late = Noting(log, QStringLiteral("late"), 30, true);
        auto early = Noting(log, QStringLiteral("early"), 10, true);
        auto tie = Noting(log, QStringLiteral("tie"), 30, true);
        auto every = Noting(log, QStringLiteral("every"), 12, false);
        late->start();
        early->start();
        tie->start();
        every->start();
        QCOMPARE(early->remainingTime(), 10);
        QCoreApplication::processEvents();
        QVERIFY(log.empty());
        Delay(35); // ends at t0 + 36
        const TFired expected{{QStringLiteral("early"), t0 + 10}, {QStringLiteral("every"), t0 + 12},
                              {QStringLiteral("every"), t0 + 24}, {QStringLiteral("late"), t0 + 30},
                              {QStringLiteral("tie"), t0 + 30}, {QStringLiteral("every"), t0 + 36}};
        QCOMPARE(log, expected);
        QCOMPARE(clock.Tick(), t0 + 36);
        QVERIFY(!early->isActive() && !late->isActive());
        QVERIFY(every->isActive());
        QCOMPARE(every->remainingTime(), 12);
    }

    // Stopped, restarted or given a new interval, a timer counts from then;
    // one stopped by another's timeout at the same tick does not fire.
    void stopAndRestart()
    {
        TTestClock clock;
        TFired log;
        const std::uint32_t t0 = clock.Tick();
        auto a = Noting(log, QStringLiteral("a"), 20, true);
        auto b = Noting(log, QStringLiteral("b"), 20, true);
        connect(a.get(), &TClockTimer::timeout, b.get(), &TClockTimer::stop);
        a->start();
        b->start();
        auto c = Noting(log, QStringLiteral("c"), 10, true);
        c->start();
        Delay(4);
        c->stop();
        QVERIFY(!c->isActive());
        QCOMPARE(c->remainingTime(), -1);
        c->start(); // from t0 + 5
        Delay(19);
        QCOMPARE(log, (TFired{{QStringLiteral("c"), t0 + 15}, {QStringLiteral("a"), t0 + 20}}));
        QVERIFY(!b->isActive());

        log.clear();
        auto d = Noting(log, QStringLiteral("d"), 100, false);
        d->start();
        Delay(49);
        d->setInterval(10); // restarts, from t0 + 75
        Delay(14);
        QCOMPARE(log, (TFired{{QStringLiteral("d"), t0 + 85}}));
    }

    // A single shot fires once and is no longer active in its own timeout,
    // where it may start itself again; singleShot() forgets its act once the
    // context has gone.
    void singleShot()
    {
        TTestClock clock;
        TFired log;
        const std::uint32_t t0 = clock.Tick();
        auto once = Noting(log, QStringLiteral("once"), 10, true);
        int again = 1;
        connect(once.get(), &TClockTimer::timeout, this, [&] {
            QVERIFY(!once->isActive());
            if (again-- > 0)
                once->start(5);
        });
        once->start();
        Delay(99);
        QCOMPARE(log, (TFired{{QStringLiteral("once"), t0 + 10}, {QStringLiteral("once"), t0 + 15}}));

        int called = 0;
        auto context = std::make_unique<QObject>();
        TClockTimer::singleShot(10, context.get(), [&called] { ++called; });
        TClockTimer::singleShot(20, context.get(), [&called] { ++called; });
        Delay(14);
        QCOMPARE(called, 1);
        context.reset();
        Delay(99);
        QCOMPARE(called, 1);
    }

    // A timeout that waits: other timers fire inside its wait, it does not
    // fire inside itself, and the outer wait ends no earlier than asked. A
    // timer deleted in its own timeout is gone cleanly.
    void reentrantWait()
    {
        TTestClock clock;
        TFired log;
        const std::uint32_t t0 = clock.Tick();
        auto blink = Noting(log, QStringLiteral("blink"), 10, false);
        auto other = Noting(log, QStringLiteral("other"), 15, true);
        int depth = 0;
        connect(blink.get(), &TClockTimer::timeout, this, [&] {
            QCOMPARE(depth, 0);
            ++depth;
            if (log.size() == 1)
                Delay(19); // a slide inside the tick: t0 + 10 .. t0 + 30
            --depth;
        });
        blink->start();
        other->start();
        Delay(49); // to t0 + 50
        const TFired expected{{QStringLiteral("blink"), t0 + 10}, {QStringLiteral("other"), t0 + 15},
                              {QStringLiteral("blink"), t0 + 30}, {QStringLiteral("blink"), t0 + 40},
                              {QStringLiteral("blink"), t0 + 50}};
        QCOMPARE(log, expected);
        QCOMPARE(clock.Tick(), t0 + 50);

        QPointer<TClockTimer> doomed = new TClockTimer;
        doomed->setSingleShot(false);
        connect(doomed, &TClockTimer::timeout, doomed, [&doomed] { delete doomed.data(); });
        doomed->start(5);
        Delay(20);
        QVERIFY(!doomed);
    }

    // With the test clock gone a pending timer is inactive, and started again
    // it is the event loop's QTimer.
    void outlivesTheTestClock()
    {
        TClockTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        int fired = 0;
        connect(&timer, &TClockTimer::timeout, this, [&fired] { ++fired; });
        {
            TTestClock clock;
            timer.start(1000);
            QVERIFY(timer.isActive());
        }
        QVERIFY(!timer.isActive());
        timer.start(0);
        QVERIFY(timer.isActive());
        QCOMPARE(timer.timerType(), Qt::PreciseTimer);
        for (int i = 0; i < 100 && !fired; ++i)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCOMPARE(fired, 1);
        QVERIFY(!timer.isActive());
    }

    // The time of day is the test clock's, and runs on with its waits.
    void timeOfDay()
    {
        TTestClock clock;
        clock.SetTimeOfDay(QTime(10, 0));
        QCOMPARE(CurrentClock().NowUtc().time(), QTime(10, 0));
        QCOMPARE(CurrentClock().NowUtc().timeSpec(), Qt::UTC);
        Delay(99);
        QCOMPARE(CurrentClock().NowUtc().time(), QTime(10, 0, 0, 100));
    }
};

QTEST_GUILESS_MAIN(TestClockTimer)
#include "test_clock_timer.moc"
