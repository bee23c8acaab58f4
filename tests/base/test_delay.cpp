// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/clock.h"
#include "support/dialogs.h"
#include "base/delay.h"
#include "support/testclock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <ctime>
#include <vector>

namespace {

qint64 NanosecondsOf(std::uint32_t ms)
{
    return static_cast<qint64>(ms) * 1'000'000;
}

} // namespace

class TestDelay : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void neverReturnsEarly_data()
    {
        QTest::addColumn<uint>("ms");
        for (uint ms : {0u, 1u, 2u, 5u, 17u, 40u})
            QTest::newRow(qPrintable(QStringLiteral("%1 ms").arg(ms))) << ms;
    }

    void neverReturnsEarly()
    {
        QFETCH(uint, ms);
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer watch;
            watch.start();
            const std::uint32_t startTick = CurrentClock().Tick();
            Delay(ms);
            const qint64 elapsed = watch.nsecsElapsed();
            QVERIFY2(elapsed > NanosecondsOf(ms), qPrintable(QString::number(elapsed)));
            QVERIFY(CurrentClock().Tick() - startTick > ms);
        }
    }

    void dispatchesEventsWhileWaiting()
    {
        int fired = 0;
        QTimer::singleShot(5, [&] { ++fired; });
        QTimer::singleShot(10, [&] { ++fired; });
        Delay(40);
        QCOMPARE(fired, 2);
    }

    void nestedWaits()
    {
        // A timer firing during a wait starts a wait of its own, as a click
        // during an animation may start another animation.
        bool innerDone = false;
        qint64 innerElapsed = 0;
        QTimer::singleShot(5, [&] {
            QElapsedTimer inner;
            inner.start();
            Delay(30);
            innerElapsed = inner.nsecsElapsed();
            innerDone = true;
        });
        QElapsedTimer outer;
        outer.start();
        Delay(20);
        QVERIFY(outer.nsecsElapsed() > NanosecondsOf(20));
        // The outer wait cannot return before the inner one has unwound.
        QVERIFY(innerDone);
        QVERIFY(innerElapsed > NanosecondsOf(30));
    }

    void noBusyWait()
    {
        // Waiting with nothing to do must sleep: a busy loop costs ~100 %.
        const std::clock_t cpuStart = std::clock();
        QElapsedTimer wall;
        wall.start();
        for (int i = 0; i < 200; ++i)
            Delay(2);
        const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const double wallMs = double(wall.nsecsElapsed()) / 1e6;
        QVERIFY(wallMs > 200 * 2);
        QVERIFY2(cpuMs < 0.5 * wallMs,
                 qPrintable(QStringLiteral("cpu %1 ms of wall %2 ms").arg(cpuMs).arg(wallMs)));
    }

    void testClockRecordsWaits()
    {
        TTestClock clock;
        QCOMPARE(&CurrentClock(), static_cast<TClock*>(&clock));
        const std::uint32_t start = clock.Tick();
        int fired = 0;
        QTimer::singleShot(0, [&] { ++fired; });
        Delay(30);
        Delay(0);
        Delay(500);
        QCOMPARE(clock.Waits(), (std::vector<std::uint32_t>{30, 0, 500}));
        QCOMPARE(clock.Tick() - start, 30u + 0u + 500u + 3u);
        // The largest wait could never end on a 32-bit tick: it is cut.
        Delay(0xFFFFFFFFu);
        QCOMPARE(clock.Waits().back(), MaxDelayMs);
        QCOMPARE(fired, 1);
    }

    void testClockWrapIsHarmless()
    {
        TTestClock clock;
        clock.SetNow(0xFFFFFFF0u);
        Delay(100);
        QCOMPARE(clock.Tick() - 0xFFFFFFF0u, 101u);
    }

    void quitRequestOnTestClock()
    {
        TTestClock clock;
        clock.OnWait = [](std::size_t index) {
            if (index == 1)
                RequestQuit();
        };
        for (int i = 0; i < 10; ++i)
            Delay(30);
        // The wait that saw the request was the last one served.
        QCOMPARE(clock.Waits().size(), std::size_t{2});
        QVERIFY(QuitRequested());
        ForgetQuit();
        QVERIFY(!QuitRequested());
    }

    void quitRequestEndsThisAndLaterWaits()
    {
        QTimer::singleShot(10, [] { RequestQuit(3); });
        QElapsedTimer watch;
        watch.start();
        Delay(5000);
        QVERIFY(QuitRequested());
        // Generous: the point is not waiting the full five seconds.
        QVERIFY2(watch.elapsed() < 2500, qPrintable(QString::number(watch.elapsed())));
        watch.restart();
        for (int i = 0; i < 20; ++i)
            Delay(1000);
        QVERIFY2(watch.elapsed() < 2500, qPrintable(QString::number(watch.elapsed())));
        ForgetQuit();
        // Afterwards waits last again.
        watch.restart();
        Delay(20);
        QVERIFY(watch.nsecsElapsed() > NanosecondsOf(20));
    }

    void quitFromInsideANestedWait()
    {
        // The request raised inside the inner wait also ends the outer one.
        bool innerReturned = false;
        QTimer::singleShot(5, [&] {
            QTimer::singleShot(5, [] { RequestQuit(); });
            Delay(5000);
            innerReturned = true;
        });
        QElapsedTimer watch;
        watch.start();
        Delay(5000);
        QVERIFY(innerReturned);
        QVERIFY(watch.elapsed() < 2500);
        ForgetQuit();
    }

    void applicationQuitEndsTheWait()
    {
        // A quit that bypasses RequestQuit (a window closing the application)
        // is noticed by the wait and kept for the later ones, with its code.
        qint64 waited = -1;
        QTimer::singleShot(0, [&waited] {
            QTimer::singleShot(10, [] { QCoreApplication::exit(3); });
            QElapsedTimer watch;
            watch.start();
            Delay(5000);
            waited = watch.elapsed();
        });
        QCOMPARE(QCoreApplication::exec(), 3);
        QVERIFY(waited >= 0 && waited < 2500);
        QVERIFY(QuitRequested());
        ForgetQuit();
    }
};

QTEST_MAIN(TestDelay)
#include "test_delay.moc"
