// SPDX-License-Identifier: GPL-3.0-or-later
// Places on the main window that the floor, the run and the tasks share, in
// the client area's pixels.
#pragma once

#include <QPoint>
#include <QRect>

namespace braet {

constexpr int ClientWidth = 792;
constexpr int ClientHeight = 573;
// The factory picture starts below the tool bar.
constexpr int PictureTop = 40;

// Slot i (0..7): four on each storey, 96 pixels apart, the lower storey 150
// pixels down.
constexpr int SlotWidth = 80;
constexpr QPoint SlotPlace(int i)
{
    return {208 + 96 * (i % 4), 164 + 150 * (i / 4)};
}

// The task preview box and, below it, the box where the produced plate
// stands up at the end of the line.
constexpr QPoint TaskBoxPlace(626, 164);
constexpr QPoint ProducedBoxPlace(626, PictureTop + 290);
constexpr QRect TaskBoxRect(TaskBoxPlace, QSize(80, 81));

} // namespace braet
