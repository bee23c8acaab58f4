// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/generator.h"

#include "base/clock.h"

#include <QDateTime>

#include <algorithm>

std::uint32_t TRandom::Random(std::uint32_t m)
{
    FSeed = FSeed * 134775813u + 1u;
    return std::uint32_t((std::uint64_t(FSeed) * m) >> 32);
}

void RandomMachine(TMachineRec& rec, const TMachineRec* prev, TRandom& random)
{
    // Read the predecessor before `rec` is written: they may be one record.
    const bool first = prev == nullptr;
    const std::uint8_t prevKind = first ? std::uint8_t(mcNone) : prev->Kind;
    const std::uint8_t prevShape = first ? 0 : prev->Shape;

    // No rotation after a rotation, no holes straight after a stripe.
    std::uint32_t kind;
    switch (prevKind) {
    case mcRotate:
        kind = 1 + random.Random(2);
        break;
    case mcStripe:
        kind = 2 * random.Random(2);
        break;
    default:
        kind = random.Random(3);
        break;
    }
    InitMachineRec(rec, TMachineKind(kind));

    switch (rec.Kind) {
    case mcRotate:
        // Only the first machine may turn by 45 degrees.
        rec.Setting = first ? 0 : std::uint8_t(1 + random.Random(3));
        break;
    case mcHoles:
        rec.Setting = std::uint8_t(1 + random.Random(3));
        // Two hole machines in a row always punch different shapes.
        rec.Shape = prevKind == mcHoles ? std::uint8_t((prevShape + 1) % 2)
                                        : std::uint8_t(random.Random(2));
        break;
    case mcStripe:
        rec.Setting = std::uint8_t(random.Random(3));
        break;
    default:
        break;
    }
}

int TaskLength(int difficulty)
{
    return std::clamp(difficulty, 0, 2) * 3 + 1;
}

TOpgave GenerateTask(std::uint32_t seed, int difficulty, std::vector<TMachineRec>* line)
{
    TOpgave plate;
    plate.Reset();

    TRandom random(seed);
    const int n = TaskLength(difficulty);
    std::array<TMachineRec, MaxTaskMachines> recs{};
    // The whole line is drawn before any machine touches the plate.
    for (int i = 0; i < n; ++i)
        RandomMachine(recs[std::size_t(i)], i == 0 ? nullptr : &recs[std::size_t(i - 1)], random);
    for (int i = 0; i < n; ++i)
        plate.ApplyMachine(recs[std::size_t(i)]);

    if (line)
        line->assign(recs.begin(), recs.begin() + n);
    return plate;
}

std::uint32_t SeedOfTime(const QTime& time)
{
    if (!time.isValid())
        return 0;
    return std::uint32_t(((time.hour() * 60 + time.minute()) * 60 + time.second()) * 1000 + time.msec());
}

std::uint32_t TimeOfDaySeed()
{
    return SeedOfTime(CurrentClock().NowUtc().time());
}
