// SPDX-License-Identifier: GPL-3.0-or-later
// Times 1000 waits of 2 ms, the pace of the plate's travel, and the processor
// time they cost. A wait must never end before more than 2 ms have passed,
// should end soon after, and must not keep the processor busy.
#include "base/delay.h"

#include <QApplication>
#include <QElapsedTimer>

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
    return early == 0 ? 0 : 1;
}
