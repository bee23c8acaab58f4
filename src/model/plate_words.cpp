// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/plate_words.h"

#include "model/machdefs.h"

#include <QStringList>

namespace {

// Screen directions 0..3 as a pupil sees them.
const char* const DirectionNames[] = {"lodret", "skråt op mod højre", "vandret", "skråt ned mod højre"};
const char* const StripeWords[] = {"tynd streg", "mellemtyk streg", "tyk streg"};

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

QString Capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString HoleCount(int count, bool square)
{
    static const char* const counts[] = {"", "1", "2", "3"};
    const QString n = QString::fromLatin1(counts[count]);
    if (count == 1)
        return n + (square ? U(" firkantet hul") : U(" rundt hul"));
    return n + (square ? U(" firkantede huller") : U(" runde huller"));
}

} // namespace

QString PlateWords(const TOpgave& plate)
{
    QStringList parts;
    parts << (plate.IsDiagonal() ? U("Pladen står på spidsen") : U("Pladen står lige"));

    // The centre holes as they look now: a square punched while the plate
    // stood as it stands now is upright, the other one stands on its corner.
    QStringList centre;
    if (plate.FCentreHoles & chCircle)
        centre << U("et rundt hul");
    const std::uint8_t upright = plate.IsDiagonal() ? chSquareDiagonal : chSquareStraight;
    const std::uint8_t turned = plate.IsDiagonal() ? chSquareStraight : chSquareDiagonal;
    if (plate.FCentreHoles & upright)
        centre << U("et firkantet hul");
    if (plate.FCentreHoles & turned)
        centre << U("et firkantet hul på spidsen");
    if (!centre.isEmpty())
        parts << U("I midten ") + centre.join(U(" og "));

    for (std::uint8_t d = 0; d < 4; ++d) {
        const std::uint8_t axis = plate.AxisAt(d);
        QStringList line;
        if (plate.FCircleHoles[axis])
            line << U("2 runde huller");
        if (plate.FSquareHoles[axis])
            line << U("2 firkantede huller");
        const std::uint8_t stripe = plate.FStripes[axis];
        if (stripe < 3)
            line << U(StripeWords[stripe]);
        if (!line.isEmpty())
            parts << Capitalised(U(DirectionNames[d])) + U(": ") + line.join(U(" og "));
    }
    if (parts.size() == 1)
        parts << U("Ingen huller og ingen streger");
    return parts.join(U(". ")) + U(".");
}

QString SlotMachineWords(const TMachineRec& machine)
{
    switch (machine.Kind) {
    case mcRotate:
        return MachineKindName(machine.Kind) + U(", %1 grader").arg(AngleOfSetting(machine.Setting));
    case mcHoles:
        if (machine.Setting >= 1 && machine.Setting <= 3)
            return MachineKindName(machine.Kind) + U(", ") + HoleCount(machine.Setting, machine.Shape == 1);
        return MachineKindName(machine.Kind);
    case mcStripe:
        if (machine.Setting < 3)
            return MachineKindName(machine.Kind) + U(", ") + U(StripeWords[machine.Setting]);
        return MachineKindName(machine.Kind);
    default:
        return U("tom");
    }
}
