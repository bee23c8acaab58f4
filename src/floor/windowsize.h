// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's minimum outer size, as a rule on the client size and the
// window manager's frame, so that it can be checked with any frame.
#pragma once

#include <QMargins>
#include <QSize>

// The smallest outer size the main window may have.
inline constexpr QSize MinimumOuterSize{800, 600};

// The client size that brings the outer size (client plus frame) up to
// `minimumOuter`, growing only the dimensions that fall short and never
// beyond what they need.
QSize GrownClientSize(const QSize& client, const QMargins& frame, const QSize& minimumOuter = MinimumOuterSize);
