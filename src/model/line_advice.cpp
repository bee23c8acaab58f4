// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/line_advice.h"

#include "model/answer_key.h"
#include "model/machdefs.h"
#include "model/solver.h"

#include <algorithm>

QString MachineCount(int count)
{
    if (count <= 0)
        return QStringLiteral("ingen maskiner");
    return count == 1 ? QStringLiteral("1 maskine") : QStringLiteral("%1 maskiner").arg(count);
}

int UsedMachines(const TMachineLine& line)
{
    return int(std::count_if(line.begin(), line.end(), [](const TMachineRec& rec) { return rec.Kind != mcNone; }));
}

TLineRating RateRightLine(const TMachineLine& line, const TOpgave& task)
{
    TLineRating rating;
    rating.Used = UsedMachines(line);
    rating.Fewest = FewestMachines(task);
    if (rating.Fewest < 0)
        return rating;
    // A right line is never shorter than the shortest; should the floor ever
    // hold a machine the solver does not know, praise rather than scold.
    const int extra = std::max(0, rating.Used - rating.Fewest);
    rating.Stars = extra == 0 ? 3 : extra == 1 ? 2 : 1;
    if (extra == 0) {
        rating.Sentence = QStringLiteral("Færrest mulige: ") + MachineCount(rating.Used) + u'!';
    } else {
        rating.Sentence = QStringLiteral("Du brugte ") + MachineCount(rating.Used) + QStringLiteral(". Det kan gøres ")
                          + (rating.Fewest == 0 ? QStringLiteral("uden maskiner.")
                                                : QStringLiteral("med %1.").arg(rating.Fewest));
    }
    return rating;
}

QStringList TaskTips(const TOpgave& task)
{
    const auto line = ShortestLine(task);
    if (!line)
        return {};
    QStringList tips;
    tips << (line->empty() ? QStringLiteral("Det kan gøres uden maskiner.")
                           : QStringLiteral("Det kan gøres med ") + MachineCount(int(line->size())) + u'.');
    if (line->empty())
        return tips;

    // The kinds in the palette's order, so that this tip does not give away
    // the order of the line.
    QStringList used;
    for (const TMachineKind kind : {mcHoles, mcRotate, mcStripe})
        if (std::any_of(line->begin(), line->end(), [kind](const TMachineRec& rec) { return rec.Kind == kind; }))
            used << MachineKindName(kind);
    QString list = used.takeLast();
    if (!used.isEmpty())
        list = used.join(QStringLiteral(", ")) + QStringLiteral(" og ") + list;
    tips << QStringLiteral("Du skal bruge: ") + list + u'.';

    for (std::size_t i = 0; i < line->size(); ++i)
        tips << QStringLiteral("Maskine %1: ").arg(i + 1) + MachineWords((*line)[i]);
    return tips;
}
