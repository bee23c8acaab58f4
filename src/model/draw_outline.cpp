// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/opgave.h"

namespace {
// Standing outlines: an upright 60 x 60 square, or a diamond 80 x 80.
constexpr std::array<QPoint, 4> StraightOutline{QPoint(7, 7), QPoint(67, 7), QPoint(67, 67), QPoint(7, 67)};
constexpr std::array<QPoint, 4> DiagonalOutline{QPoint(40, 0), QPoint(80, 40), QPoint(40, 80), QPoint(0, 40)};
} // namespace

void TOpgave::SetOutline()
{
    FOutline = IsDiagonal() ? DiagonalOutline : StraightOutline;
}
