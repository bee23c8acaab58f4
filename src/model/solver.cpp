// SPDX-License-Identifier: GPL-3.0-or-later
// A breadth-first search over the plates that lines of floor machines make,
// with plates that SameAs counts as the same merged into one entry. The rules
// are the plate's own ApplyMachine, so the search follows any change of them.
// Merging is sound because a machine sees only what SameAs compares: the
// parity of the angle and the features in each screen direction.
#include "model/solver.h"

#include "model/generator.h"
#include "model/machdefs.h"

#include <QtGlobal>

#include <algorithm>

namespace {

constexpr int KeyBits = 20; // diagonal 1, four directions of 4, centre holes 3
constexpr std::uint32_t KeyMask = (1u << KeyBits) - 1;

// A table entry: the key of the plate one machine earlier (20 bits), the
// index of that machine in FloorMachines (4 bits) and the line length
// (8 bits). Unreached plates have length 0xFF.
constexpr std::uint32_t Unreached = 0xFFFF'FFFFu;

std::uint32_t Entry(std::uint32_t parent, std::size_t machine, int length)
{
    return std::uint32_t(length) << 24 | std::uint32_t(machine) << KeyBits | parent;
}

int LengthOf(std::uint32_t entry) { return int(entry >> 24); }
std::size_t MachineOf(std::uint32_t entry) { return (entry >> KeyBits) & 0xF; }
std::uint32_t ParentOf(std::uint32_t entry) { return entry & KeyMask; }

// A plate whose key is `key`: straight at 0 or diagonal at 45 degrees, each
// direction's features put on the plate axis that AxisAt finds there. Any
// plate of the class serves, as machines treat the class alike.
TOpgave PlateOfKey(std::uint32_t key)
{
    TOpgave plate;
    plate.Reset();
    plate.FCentreHoles = std::uint8_t(key & 7);
    plate.FAngle = (key >> 19) & 1 ? 45 : 0;
    for (int d = 3; d >= 0; --d) {
        key >>= d == 3 ? 3 : 4;
        const std::uint8_t a = plate.AxisAt(std::uint8_t(d));
        plate.FStripes[a] = std::uint8_t((key >> 2) & 3);
        plate.FSquareHoles[a] = std::uint8_t((key >> 1) & 1);
        plate.FCircleHoles[a] = std::uint8_t(key & 1);
    }
    return plate;
}

struct TSolverTable {
    std::vector<std::uint32_t> Entries;
    std::uint32_t BlankKey = 0;
};

TSolverTable BuildTable()
{
    const std::vector<TMachineRec>& machines = FloorMachines();
    Q_ASSERT(machines.size() <= 16); // an entry has 4 bits for the machine
    TSolverTable table;
    table.Entries.assign(std::size_t(1) << KeyBits, Unreached);

    TOpgave blank;
    blank.Reset();
    table.BlankKey = PlateKey(blank);
    table.Entries[table.BlankKey] = Entry(table.BlankKey, 0, 0);

    // A level is kept as keys, not plates: a tenth of the memory, and fresh
    // pages are what the first question spends most on.
    std::vector<std::uint32_t> level{table.BlankKey};
    std::vector<std::uint32_t> next;
    for (int length = 1; length <= MaxTaskMachines && !level.empty(); ++length) {
        next.clear();
        for (const std::uint32_t parent : level) {
            const TOpgave plate = PlateOfKey(parent);
            for (std::size_t m = 0; m < machines.size(); ++m) {
                TOpgave made = plate;
                made.ApplyMachine(machines[m]);
                const std::uint32_t key = PlateKey(made);
                if (key == NoPlateKey || table.Entries[key] != Unreached)
                    continue;
                table.Entries[key] = Entry(parent, m, length);
                next.push_back(key);
            }
        }
        level.swap(next);
    }
    return table;
}

const TSolverTable& Table()
{
    // Built on first use; a function-local static is initialised once, and
    // other threads asking meanwhile wait for it.
    static const TSolverTable table = BuildTable();
    return table;
}

} // namespace

std::uint32_t PlateKey(const TOpgave& plate)
{
    // Exactly the fields SameAs compares, read the way it reads them.
    std::uint32_t key = plate.IsDiagonal() ? 1 : 0;
    for (std::uint8_t d = 0; d < 4; ++d) {
        const std::uint8_t a = plate.AxisAt(d);
        const std::uint8_t stripe = plate.FStripes[a];
        const std::uint8_t square = plate.FSquareHoles[a];
        const std::uint8_t circle = plate.FCircleHoles[a];
        if (stripe > 3 || square > 1 || circle > 1)
            return NoPlateKey;
        key = key << 4 | std::uint32_t(stripe) << 2 | std::uint32_t(square) << 1 | circle;
    }
    if (plate.FCentreHoles > (chCircle | chSquareDiagonal | chSquareStraight))
        return NoPlateKey;
    return key << 3 | plate.FCentreHoles;
}

const std::vector<TMachineRec>& FloorMachines()
{
    // Taken from the selectors' items, so the solver never proposes a machine
    // the floor cannot hold.
    static const std::vector<TMachineRec> machines = [] {
        std::vector<TMachineRec> list;
        for (TMachineKind kind : {mcHoles, mcRotate, mcStripe}) {
            const int items = int(SelectorItems(kind).size());
            for (int i = 0; i < items; ++i) {
                TMachineRec rec;
                InitMachineRec(rec, kind);
                ApplySelectorIndex(rec, i);
                list.push_back(rec);
            }
        }
        return list;
    }();
    return machines;
}

std::optional<std::vector<TMachineRec>> ShortestLine(const TOpgave& plate)
{
    const std::uint32_t key = PlateKey(plate);
    if (key == NoPlateKey)
        return std::nullopt;
    const TSolverTable& table = Table();
    std::uint32_t entry = table.Entries[key];
    if (entry == Unreached)
        return std::nullopt;
    const std::vector<TMachineRec>& machines = FloorMachines();
    std::vector<TMachineRec> line;
    line.reserve(std::size_t(LengthOf(entry)));
    for (std::uint32_t at = key; at != table.BlankKey; at = ParentOf(entry)) {
        entry = table.Entries[at];
        line.push_back(machines[MachineOf(entry)]);
    }
    std::reverse(line.begin(), line.end());
    return line;
}

int FewestMachines(const TOpgave& plate)
{
    const std::uint32_t key = PlateKey(plate);
    if (key == NoPlateKey)
        return -1;
    const std::uint32_t entry = Table().Entries[key];
    return entry == Unreached ? -1 : LengthOf(entry);
}

void PrepareSolver()
{
    Table();
}
