// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QImage;

// Draws the whole bitmap stretched into the box (left, top)-(right, bottom),
// right and bottom exclusive, every source pixel becoming a solid block.
void PrintBitmap(QPainter& canvas, int left, int top, int right, int bottom, const QImage& bitmap);
