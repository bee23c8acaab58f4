// SPDX-License-Identifier: GPL-3.0-or-later
// Task numbers: a task drawn by a difficulty button is fully given by its
// difficulty and the generator's seed. Written down as "M-20000089" a whole
// class can share it.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

struct TTaskNumber {
    int Difficulty = 0; // 0 Let, 1 Middelsvær, 2 Svær
    std::uint32_t Seed = 0;
    bool operator==(const TTaskNumber&) const = default;
};

// Seeds are milliseconds since midnight.
inline constexpr std::uint32_t MaxTaskSeed = 86'399'999;

enum TNumberParse : std::uint8_t { npOk, npMalformed, npOutOfRange };

// "L-123", "M-20000089", "S-0": the difficulty's initial and the seed.
QString FormatTaskNumber(const TTaskNumber& number);

// Reads a number as a pupil types it: case and spaces do not matter. On
// npOk `number` holds the result; otherwise it is left as it was.
TNumberParse ParseTaskNumber(const QString& text, TTaskNumber& number);

// "Let", "Middelsvær", "Svær": the difficulty buttons' names, short.
QString DifficultyName(int difficulty);

// Where a task has no number: it was made from the produced plate.
QString OwnPlateName();

// The number, or "Egen plade" for a task without one.
QString TaskName(const std::optional<TTaskNumber>& number);
