// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/plate_diff.h"

namespace {

// Holes and stripes compared per screen direction, as SameAs does; both
// plates must stand alike.
// `places` counts the directions (and the centre) where they differ.
TPlateDiff CompareStanding(const TOpgave& a, const TOpgave& b, int& places)
{
    TPlateDiff diff;
    places = 0;
    bool hiddenOnly = true; // every hole difference is a square under a circle
    for (std::uint8_t d = 0; d < 4; ++d) {
        const std::uint8_t x = a.AxisAt(d);
        const std::uint8_t y = b.AxisAt(d);
        if (a.FStripes[x] != b.FStripes[y]) {
            diff.Stripes = true;
            ++places;
        }
        const bool circles = a.FCircleHoles[x] != b.FCircleHoles[y];
        const bool squares = a.FSquareHoles[x] != b.FSquareHoles[y];
        if (circles || squares) {
            diff.Holes = true;
            ++places;
            hiddenOnly = hiddenOnly && !circles && a.FCircleHoles[x] == 1;
        }
    }
    if (a.FCentreHoles != b.FCentreHoles) {
        diff.Holes = true;
        ++places;
        const std::uint8_t changed = a.FCentreHoles ^ b.FCentreHoles;
        hiddenOnly = hiddenOnly && (changed & chCircle) == 0 && (a.FCentreHoles & chCircle) != 0;
    }
    diff.RoundOverSquare = diff.Holes && hiddenOnly;
    return diff;
}

int Count(const TPlateDiff& d)
{
    return int(d.Turn) + int(d.Holes) + int(d.Stripes);
}

} // namespace

TPlateDiff ComparePlates(const TOpgave& produced, const TOpgave& task)
{
    // 180 degrees look the same, so four 45-degree steps cover every turn.
    TPlateDiff best;
    int bestPlaces = 0;
    bool found = false;
    for (int steps = 0; steps < 4; ++steps) {
        TOpgave turned;
        turned.Assign(produced);
        turned.FAngle = (produced.FAngle + 45 * steps) % 360;
        if (turned.IsDiagonal() != task.IsDiagonal())
            continue;
        int places = 0;
        TPlateDiff diff = CompareStanding(turned, task, places);
        diff.Turn = steps != 0;
        // On a tie the turn wins: a plate with one horizontal stripe against
        // one with a vertical stripe is turned wrong. Between turns, the one
        // leaving fewer places to change.
        const bool better = Count(diff) < Count(best) ||
                            (Count(diff) == Count(best) &&
                             ((diff.Turn && !best.Turn) || (diff.Turn == best.Turn && places < bestPlaces)));
        if (!found || better) {
            best = diff;
            bestPlaces = places;
            found = true;
        }
    }
    return best;
}

QStringList DifferenceHint(const TPlateDiff& diff)
{
    QStringList lines;
    if (diff.Turn)
        lines << QStringLiteral("Pladen er drejet forkert");
    if (diff.Holes)
        lines << (diff.RoundOverSquare ? QStringLiteral("Der er både runde og firkantede huller")
                                       : QStringLiteral("Hullerne er forskellige"));
    if (diff.Stripes)
        lines << QStringLiteral("Striberne er forskellige");
    return lines;
}

QStringList DifferenceHint(const TOpgave& produced, const TOpgave& task)
{
    return DifferenceHint(ComparePlates(produced, task));
}
