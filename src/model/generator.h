// SPDX-License-Identifier: GPL-3.0-or-later
// Random tasks: a random line of machines run over a blank plate.
#pragma once

#include "model/opgave.h"

#include <QTime>

#include <array>
#include <cstdint>
#include <vector>

// The 32-bit linear congruential source the tasks are drawn from. Each draw
// first advances the seed, then scales the new seed into 0..m-1, so a given
// seed always yields the same tasks.
class TRandom {
public:
    explicit TRandom(std::uint32_t seed = 0) : FSeed(seed) {}

    std::uint32_t Seed() const { return FSeed; }
    void SetSeed(std::uint32_t seed) { FSeed = seed; }

    // A number 0..m-1 (0 when m is 0).
    std::uint32_t Random(std::uint32_t m);

private:
    std::uint32_t FSeed;
};

// Fills `rec` with a random machine that may follow `prev` (nullptr for the
// first machine of a line). `rec` and `prev` may be the same record.
void RandomMachine(TMachineRec& rec, const TMachineRec* prev, TRandom& random);

// Lines never exceed the floor's eight slots.
inline constexpr int MaxTaskMachines = 8;

// Machines in a task of `difficulty` (0 easy, 1 medium, 2 hard; other values
// are taken as the nearest of these).
int TaskLength(int difficulty);

// The task plate for `seed` and `difficulty`: a blank plate run through a
// random line of TaskLength(difficulty) machines. The line is handed out
// through `line` when asked for (tests, hints); the game throws it away.
TOpgave GenerateTask(std::uint32_t seed, int difficulty, std::vector<TMachineRec>* line = nullptr);

// Milliseconds since midnight of `time`: the seed of a new task.
std::uint32_t SeedOfTime(const QTime& time);

// Milliseconds since midnight UTC now, on the one clock.
std::uint32_t TimeOfDaySeed();
