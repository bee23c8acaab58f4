// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/answer_key.h"

#include "model/generator.h"
#include "model/machdefs.h"
#include "model/solver.h"

#include <algorithm>

namespace {

// Spacing of the seeds tried for a sheet: a prime, so that neighbouring
// tasks start the generator far apart.
constexpr std::uint32_t SeedStep = 7919;
constexpr int TriesPerTask = 50;

} // namespace

QString MachineWords(const TMachineRec& rec)
{
    // The machines' names as the palette gives them.
    switch (rec.Kind) {
    case mcRotate:
        if (rec.Setting >= AngleNames.size())
            return {};
        return MachineKindName(rec.Kind) + QStringLiteral(": ") + QString::fromUtf8(AngleNames[rec.Setting]) + QChar(0x00BA);
    case mcHoles: {
        if (rec.Setting < 1 || rec.Setting > HoleCountNames.size() || rec.Shape > 1)
            return {};
        const bool one = rec.Setting == 1;
        const QString holes = rec.Shape == 0 ? (one ? QStringLiteral("rundt hul") : QStringLiteral("runde huller"))
                                             : (one ? QStringLiteral("firkantet hul") : QStringLiteral("firkantede huller"));
        return MachineKindName(rec.Kind) + QStringLiteral(": ") + QString::fromUtf8(HoleCountNames[rec.Setting - 1]) + u' ' + holes;
    }
    case mcStripe:
        // StripeNames[3] is "no stripe", which no machine paints.
        if (rec.Setting > 2)
            return {};
        return MachineKindName(rec.Kind) + QStringLiteral(": ") + QString::fromUtf8(StripeNames[rec.Setting]);
    default:
        return {};
    }
}

QStringList AnswerLine(const TTaskNumber& number)
{
    // The generator's own line is seldom the shortest, and a pupil's shorter
    // right line must not look wrong next to the key. Every generated task
    // has a shortest line: the generator's own line is within reach.
    const auto line = ShortestLine(TaskPlate(number));
    QStringList words;
    for (const TMachineRec& rec : line.value_or(std::vector<TMachineRec>{}))
        words.append(MachineWords(rec));
    return words;
}

std::vector<TTaskNumber> WorksheetTasks(int difficulty, int count, std::uint32_t firstSeed)
{
    difficulty = std::clamp(difficulty, 0, 2);
    std::vector<TTaskNumber> tasks;
    std::vector<TOpgave> plates;
    std::uint32_t seed = firstSeed % (MaxTaskSeed + 1);
    for (int i = 0; i < count; ++i) {
        TTaskNumber chosen{difficulty, seed};
        for (int t = 0; t < TriesPerTask; ++t) {
            const TTaskNumber candidate{difficulty, seed};
            seed = (seed + SeedStep) % (MaxTaskSeed + 1);
            const TOpgave plate = GenerateTask(candidate.Seed, difficulty);
            const bool known = std::any_of(plates.begin(), plates.end(), [&](const TOpgave& p) { return p.SameAs(plate); });
            const bool numberUsed = std::find(tasks.begin(), tasks.end(), candidate) != tasks.end();
            if (t == 0)
                chosen = candidate;
            if (!numberUsed && !known) {
                chosen = candidate;
                break;
            }
        }
        tasks.push_back(chosen);
        plates.push_back(GenerateTask(chosen.Seed, difficulty));
    }
    return tasks;
}
