// SPDX-License-Identifier: GPL-3.0-or-later
// The shortest-line solver: the first question (the table is built then),
// later questions about hard tasks, and how many machines the generator's
// tasks really need. `--all` asks about every seed of every difficulty
// instead of a sample (a minute or more).
#include "model/generator.h"
#include "model/solver.h"
#include "model/task_number.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kLater = 1000;
constexpr int kSample = 20000;

double Ms(qint64 ns) { return double(ns) / 1e6; }

// Processor time of this thread: on a shared machine the wall time of the
// first question mostly says how long others kept the processor.
qint64 ThreadCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool all = app.arguments().contains(QStringLiteral("--all"));

    // Sample seeds over the whole day, the same ones on every run.
    TRandom pick(20261208);

    const TOpgave first = GenerateTask(pick.Random(MaxTaskSeed + 1), 2);
    QElapsedTimer cold;
    const qint64 cpuStart = ThreadCpuNs();
    cold.start();
    const auto firstLine = ShortestLine(first);
    const qint64 coldNs = cold.nsecsElapsed();
    const qint64 coldCpuNs = ThreadCpuNs() - cpuStart;
    std::printf("first_question_ms: %.2f wall, %.2f processor (fewest %d)\n", Ms(coldNs), Ms(coldCpuNs),
                firstLine ? int(firstLine->size()) : -1);

    qint64 total = 0;
    qint64 longest = 0;
    for (int i = 0; i < kLater; ++i) {
        const TOpgave plate = GenerateTask(pick.Random(MaxTaskSeed + 1), 2);
        QElapsedTimer one;
        one.start();
        const auto line = ShortestLine(plate);
        const qint64 ns = one.nsecsElapsed();
        total += ns;
        longest = std::max(longest, ns);
        if (!line)
            std::printf("no line: a hard task\n");
    }
    std::printf("later_questions: %d hard tasks, mean_us %.2f, max_us %.2f\n", kLater,
                double(total) / kLater / 1e3, double(longest) / 1e3);

    bool everyWithin = true;
    for (int difficulty = 0; difficulty <= 2; ++difficulty) {
        std::array<long long, MaxTaskMachines + 1> counts{};
        long long none = 0;
        long long asked = 0;
        const auto ask = [&](std::uint32_t seed) {
            const int fewest = FewestMachines(GenerateTask(seed, difficulty));
            ++asked;
            if (fewest < 0)
                ++none;
            else
                ++counts[std::size_t(fewest)];
        };
        if (all) {
            for (std::uint32_t seed = 0; seed <= MaxTaskSeed; ++seed)
                ask(seed);
        } else {
            for (int i = 0; i < kSample; ++i)
                ask(pick.Random(MaxTaskSeed + 1));
        }
        std::printf("%s: %lld tasks of %d machines; fewest:", qPrintable(DifficultyName(difficulty)), asked,
                    TaskLength(difficulty));
        for (std::size_t n = 0; n < counts.size(); ++n) {
            if (counts[n] != 0)
                std::printf(" %zu: %lld (%.1f %%)", n, counts[n], 100.0 * double(counts[n]) / double(asked));
        }
        std::printf("; more than %d: %lld\n", MaxTaskMachines, none);
        everyWithin = everyWithin && none == 0;
    }
    std::printf("every_task_within_%d: %s\n", MaxTaskMachines, everyWithin ? "yes" : "no");
    return everyWithin ? 0 : 1;
}
