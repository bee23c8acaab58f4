// SPDX-License-Identifier: GPL-3.0-or-later
// Times 1000 waits of 2 ms, the pace of the plate's travel, and the processor
// time they cost. A wait must never end before more than 2 ms have passed,
// should end soon after, and must not keep the processor busy. Then the
// clock's timers on the real clock, as the lamp (7 ticks of 500 ms) and the
// splash (3000 ms once) use them: QTimer's coarse timers, within 5 % of
// the interval either way.
#include "base/clock_timer.h"
#include "base/delay.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace {

double ProcessCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    constexpr int kCount = 1000;
    constexpr std::uint32_t kMs = 2;

    Delay(kMs); // warm up the event dispatcher
    double total = 0;
    double longest = 0;
    double shortest = 1e9;
    int early = 0;
    const double cpuStart = ProcessCpuMs();
    QElapsedTimer wall;
    wall.start();
    for (int i = 0; i < kCount; ++i) {
        QElapsedTimer one;
        one.start();
        Delay(kMs);
        const double ms = double(one.nsecsElapsed()) / 1e6;
        total += ms;
        longest = std::max(longest, ms);
        shortest = std::min(shortest, ms);
        if (ms <= double(kMs))
            ++early;
    }
    const double wallMs = double(wall.nsecsElapsed()) / 1e6;
    const double cpuMs = ProcessCpuMs() - cpuStart;

    std::printf("platform: %s\n", qPrintable(QApplication::platformName()));
    std::printf("waits: %d\n", kCount);
    std::printf("wait_ms: %u\n", kMs);
    std::printf("mean_ms: %.3f\n", total / kCount);
    std::printf("min_ms: %.3f\n", shortest);
    std::printf("max_ms: %.3f\n", longest);
    std::printf("early_returns: %d\n", early);
    std::printf("wall_ms: %.1f\n", wallMs);
    std::printf("cpu_ms: %.1f\n", cpuMs);
    std::printf("cpu_percent: %.1f\n", 100.0 * cpuMs / wallMs);

    // The lamp restarts its timer in every tick, as the game does.
    QEventLoop loop;
    QElapsedTimer since;
    TClockTimer lamp;
    lamp.setInterval(500);
    TClockTimer splash;
    splash.setSingleShot(true);
    splash.setInterval(3000);
    int ticks = 0;
    double lampShortest = 1e9;
    double lampLongest = 0;
    double lampLast = 0;
    double splashAt = 0;
    QObject::connect(&lamp, &TClockTimer::timeout, [&] {
        const double at = double(since.nsecsElapsed()) / 1e6;
        lamp.stop();
        lampShortest = std::min(lampShortest, at - lampLast);
        lampLongest = std::max(lampLongest, at - lampLast);
        lampLast = at;
        if (++ticks < 7)
            lamp.start();
        else if (!splash.isActive())
            loop.quit();
    });
    QObject::connect(&splash, &TClockTimer::timeout, [&] {
        splashAt = double(since.nsecsElapsed()) / 1e6;
        if (!lamp.isActive())
            loop.quit();
    });
    since.start();
    lamp.start();
    splash.start();
    loop.exec();
    std::printf("lamp_ticks: %d\n", ticks);
    std::printf("lamp_period_min_ms: %.1f\n", lampShortest);
    std::printf("lamp_period_max_ms: %.1f\n", lampLongest);
    std::printf("lamp_last_ms: %.1f\n", lampLast);
    std::printf("splash_ms: %.1f\n", splashAt);
    return early == 0 ? 0 : 1;
}
