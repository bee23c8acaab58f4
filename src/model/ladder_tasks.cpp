// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ladder_tasks.h"

#include "model/generator.h"
#include "model/solver.h"

#include <algorithm>

namespace {

// A prime that does not divide the number of seeds, so the search visits
// every seed before it comes back.
constexpr std::uint32_t SeedStep = 7919;
// Seven-machine tasks are about one hard task in forty; this many tries
// finds one with certainty for any start.
constexpr int MaxTries = 200'000;

// The difficulty whose line is long enough for `step` and most often
// needs exactly that many machines.
int DifficultyFor(int step)
{
    return step <= 1 ? 0 : step <= 4 ? 1 : 2;
}

} // namespace

TTaskNumber LadderTask(int step, std::uint32_t firstSeed, const TOpgave* avoid)
{
    step = std::clamp(step, 1, LadderTopStep);
    const int difficulty = DifficultyFor(step);
    std::uint32_t seed = firstSeed % (MaxTaskSeed + 1);
    // The nearest below the step, should no task of the step turn up; and
    // a task of the step that repeats `avoid`, should no other turn up.
    TTaskNumber best{difficulty, seed};
    int bestFewest = -1;
    std::optional<TTaskNumber> repeat;
    for (int t = 0; t < MaxTries; ++t, seed = (seed + SeedStep) % (MaxTaskSeed + 1)) {
        const TOpgave plate = GenerateTask(seed, difficulty);
        const int fewest = FewestMachines(plate);
        if (fewest == step) {
            if (!avoid || !plate.SameAs(*avoid))
                return {difficulty, seed};
            if (!repeat)
                repeat = TTaskNumber{difficulty, seed};
        } else if (fewest < step && fewest > bestFewest) {
            best = {difficulty, seed};
            bestFewest = fewest;
        }
    }
    return repeat.value_or(best);
}

std::vector<TTaskNumber> LadderSheetTasks(int step, int count, std::uint32_t firstSeed)
{
    constexpr int TriesPerTask = 50;
    std::vector<TTaskNumber> tasks;
    std::vector<TOpgave> plates;
    std::uint32_t seed = firstSeed % (MaxTaskSeed + 1);
    for (int i = 0; i < count; ++i) {
        std::optional<TTaskNumber> chosen;
        for (int t = 0; t < TriesPerTask; ++t) {
            const TTaskNumber candidate = LadderTask(step, seed);
            seed = (candidate.Seed + SeedStep) % (MaxTaskSeed + 1);
            const TOpgave plate = GenerateTask(candidate.Seed, candidate.Difficulty);
            const bool known = std::any_of(plates.begin(), plates.end(), [&](const TOpgave& p) { return p.SameAs(plate); });
            const bool numberUsed = std::find(tasks.begin(), tasks.end(), candidate) != tasks.end();
            if (!chosen && !numberUsed)
                chosen = candidate;
            if (!numberUsed && !known) {
                chosen = candidate;
                break;
            }
        }
        if (!chosen)
            break;
        tasks.push_back(*chosen);
        plates.push_back(GenerateTask(chosen->Seed, chosen->Difficulty));
    }
    return tasks;
}
