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

std::uint8_t TOpgave::AxisAt(std::uint8_t direction) const
{
    return static_cast<std::uint8_t>((direction + FAngle / 45) % 4);
}

std::uint8_t TOpgave::DirectionOf(std::uint8_t axis) const
{
    return static_cast<std::uint8_t>((axis - FAngle / 45 + 8) % 4);
}
