// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/plate_diff.h"

namespace {

// Holes and stripes compared per screen direction, as SameAs does; both
// plates must stand alike. `a` is the produced plate turned as `b`, the task;
// `shown` the produced plate as it stands on the screen.
// `places` counts the directions (and the centre) where they differ.
TPlateDiff CompareStanding(const TOpgave& a, const TOpgave& b, const TOpgave& shown, int& places)
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
            const bool inTask = a.FSquareHoles[x] == 0;
            // Told as each plate stands: the produced one maybe turned.
            diff.Hidden.append({inTask, inTask ? int(d) : int(shown.DirectionOf(x)), false});
        }
    }
    if (a.FCentreHoles != b.FCentreHoles) {
        diff.Holes = true;
        ++places;
        const std::uint8_t changed = a.FCentreHoles ^ b.FCentreHoles;
        hiddenOnly = hiddenOnly && (changed & chCircle) == 0 && (a.FCentreHoles & chCircle) != 0;
        for (const std::uint8_t square : {chSquareStraight, chSquareDiagonal}) {
            if (changed & square) {
                const bool inTask = (b.FCentreHoles & square) != 0;
                // A square punched while the plate stood as it stands now is
                // upright, the other one stands on its corner.
                const bool diagonal = inTask ? b.IsDiagonal() : shown.IsDiagonal();
                const bool onCorner = square != (diagonal ? chSquareDiagonal : chSquareStraight);
                diff.Hidden.append({inTask, -1, onCorner});
            }
        }
    }
    diff.RoundOverSquare = diff.Holes && hiddenOnly;
    if (!diff.RoundOverSquare)
        diff.Hidden.clear();
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
        TPlateDiff diff = CompareStanding(turned, task, produced, places);
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

namespace {

// "I opgaven er der et rundt hul oven på et firkantet hul i midten": the
// places where one plate hides a square under a round hole, so the pupil
// knows which plate to look at and where.
QString HiddenLine(const QVector<THiddenSquare>& hidden, bool inTask)
{
    static const char16_t* const lines[] = {u"på den lodrette linje", u"på den skrå linje op mod højre",
                                            u"på den vandrette linje", u"på den skrå linje ned mod højre"};
    QStringList places;
    // The middle first, then the lines through it.
    for (const bool middle : {true, false}) {
        for (const THiddenSquare& h : hidden) {
            if (h.InTask != inTask || (h.Direction < 0) != middle)
                continue;
            if (middle)
                places << (h.OnCorner ? QStringLiteral("et rundt hul oven på et firkantet hul på spidsen i midten")
                                      : QStringLiteral("et rundt hul oven på et firkantet hul i midten"));
            else
                places << QStringLiteral("to runde huller oven på firkantede huller ")
                              + QString::fromUtf16(lines[h.Direction & 3]);
        }
    }
    if (places.isEmpty())
        return {};
    return (inTask ? QStringLiteral("I opgaven er der ") : QStringLiteral("På din plade er der "))
           + places.join(QStringLiteral(" og "));
}

} // namespace

QStringList DifferenceHint(const TPlateDiff& diff)
{
    QStringList lines;
    if (diff.Turn)
        lines << QStringLiteral("Pladen er drejet forkert");
    if (diff.Holes && diff.RoundOverSquare) {
        for (const bool inTask : {true, false})
            if (const QString line = HiddenLine(diff.Hidden, inTask); !line.isEmpty())
                lines << line;
    } else if (diff.Holes) {
        lines << QStringLiteral("Hullerne er forskellige");
    }
    if (diff.Stripes)
        lines << QStringLiteral("Striberne er forskellige");
    return lines;
}

QStringList DifferenceHint(const TOpgave& produced, const TOpgave& task)
{
    return DifferenceHint(ComparePlates(produced, task));
}
