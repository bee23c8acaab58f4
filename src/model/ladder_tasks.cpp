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
