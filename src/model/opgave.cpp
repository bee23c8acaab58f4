// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/opgave.h"

void TOpgave::Reset()
{
    FLying = false;
    FAngle = 0;
    FCentreHoles = 0;
    FCircleHoles = {0, 0, 0, 0};
    FSquareHoles = {0, 0, 0, 0};
    FStripes = {3, 3, 3, 3};
}

void TOpgave::Assign(const TOpgave& source)
{
    *this = source;
}

bool TOpgave::IsDiagonal() const
{
    return (FAngle / 45) % 2 != 0;
}

namespace {

// Turn steps modulo 4, also for an angle written outside 0..315, so that the
// axis arrays are never indexed past their end.
int Steps(std::int32_t angle)
{
    return ((angle / 45) % 4 + 4) % 4;
}

} // namespace

std::uint8_t TOpgave::AxisAt(std::uint8_t direction) const
{
    return static_cast<std::uint8_t>((direction + Steps(FAngle)) % 4);
}

std::uint8_t TOpgave::DirectionOf(std::uint8_t axis) const
{
    return static_cast<std::uint8_t>((axis + 4 - Steps(FAngle)) % 4);
}
