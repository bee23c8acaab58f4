// SPDX-License-Identifier: GPL-3.0-or-later
// Shared between plate drawing and the tilt animation.
#pragma once

#include <QPoint>

#include <array>

// The plate seen edge-on, where standing up starts from.
std::array<QPoint, 4> LyingOutline(bool diagonal);
