// SPDX-License-Identifier: GPL-3.0-or-later
// Task numbers: a task drawn by a difficulty button is fully given by its
// difficulty and the generator's seed. Written down as "M-20000089" a whole
// class can share it. A task made from the produced plate has a number too,
// "E-01234567": the plate's whole state and a check digit, so that the same
// number gives the same plate, drawn alike, on any machine.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class TOpgave;

// The difficulty of an own task's number ("Egen plade").
inline constexpr int OwnTask = 3;

struct TTaskNumber {
    int Difficulty = 0; // 0 Let, 1 Middelsvær, 2 Svær, OwnTask
    // The generator's seed; for an own task the plate's code (see OwnTaskNumber).
    std::uint32_t Seed = 0;
    bool operator==(const TTaskNumber&) const = default;
};

// Seeds are milliseconds since midnight.
inline constexpr std::uint32_t MaxTaskSeed = 86'399'999;

// Own plates' codes: angle step 3 bits, centre holes 3, per plate axis a
// circle pair, a square pair and a stripe (1 + 1 + 2).
inline constexpr std::uint32_t MaxOwnCode = (1u << 22) - 1;

// npBadCheck: an own number whose check digit does not match (a typo);
// npNoPlate: an own number whose plate no line of the floor makes.
enum TNumberParse : std::uint8_t { npOk, npMalformed, npOutOfRange, npBadCheck, npNoPlate };

// "L-123", "M-20000089", "S-0": the difficulty's initial and the seed;
// "E-01234567" for an own task: seven digits of the code and a check digit.
QString FormatTaskNumber(const TTaskNumber& number);

// Reads a number as a pupil types it: case, spaces and the hyphen do not
// matter ("m 2000 0089"). On npOk `number` holds the result; otherwise it is
// left as it was.
TNumberParse ParseTaskNumber(const QString& text, TTaskNumber& number);

// The own number of `plate` as it stands; none for a plate lying down, with
// a field no machine writes, or that no line of the floor makes.
std::optional<TTaskNumber> OwnTaskNumber(const TOpgave& plate);

// The task's plate: generated from the seed, or decoded from an own code.
TOpgave TaskPlate(const TTaskNumber& number);

// "Let", "Middelsvær", "Svær": the difficulty buttons' names, short.
QString DifficultyName(int difficulty);

// Where a task has no number: it was made from the produced plate.
QString OwnPlateName();

// The number, or "Egen plade" for a task without one.
QString TaskName(const std::optional<TTaskNumber>& number);
