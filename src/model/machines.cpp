// SPDX-License-Identifier: GPL-3.0-or-later
// What each machine does to a plate, and when two plates look the same.
// Every machine works on the horizontal line through the plate's centre.
#include "model/opgave.h"

namespace {

constexpr std::uint8_t WorkDirection = 2;

} // namespace

void TOpgave::ApplyMachine(const TMachineRec& rec)
{
    switch (rec.Kind) {
    case mcRotate:
        Rotate(rec.Setting);
        break;
    case mcHoles:
        AddHoles(rec.Shape, rec.Setting);
        break;
    case mcStripe:
        AddStripe(rec.Setting);
        break;
    default:
        break;
    }
}

void TOpgave::Rotate(std::uint8_t setting)
{
    FAngle += AngleOfSetting(setting);
    if (FAngle >= 360)
        FAngle -= 360;
}

void TOpgave::AddHoles(std::uint8_t shape, std::uint8_t count)
{
    // A shape other than circle or square would leave a mark no one can draw.
    if (shape > 1 || count < 1 || count > 3)
        return;
    const std::uint8_t w = AxisAt(WorkDirection);
    if (count >= 2) {
        if (shape == 0)
            FCircleHoles[w] = 1;
        else
            FSquareHoles[w] = 1;
    }
    if (count != 2) {
        if (shape == 0)
            FCentreHoles |= chCircle;
        else
            FCentreHoles |= IsDiagonal() ? chSquareDiagonal : chSquareStraight;
    }
}

void TOpgave::AddStripe(std::uint8_t thickness)
{
    // Only thin, medium and thick exist; anything else (3 = "no stripe"
    // included) must not wipe or corrupt the stripe already there.
    if (thickness > 2)
        return;
    const std::uint8_t w = AxisAt(WorkDirection);
    const std::uint8_t current = FStripes[w];
    if (current == 3 || thickness > current)
        FStripes[w] = thickness;
}

bool TOpgave::SameAs(const TOpgave& other) const
{
    if (IsDiagonal() != other.IsDiagonal())
        return false;
    for (std::uint8_t d = 0; d < 4; ++d) {
        if (FStripes[AxisAt(d)] != other.FStripes[other.AxisAt(d)])
            return false;
    }
    for (std::uint8_t d = 0; d < 4; ++d) {
        const std::uint8_t a = AxisAt(d);
        const std::uint8_t b = other.AxisAt(d);
        if (FSquareHoles[a] != other.FSquareHoles[b] || FCircleHoles[a] != other.FCircleHoles[b])
            return false;
    }
    // Both plates stand alike here, so a square centre hole looks upright on
    // both exactly when it carries the same mark.
    return FCentreHoles == other.FCentreHoles;
}
