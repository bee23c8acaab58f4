// SPDX-License-Identifier: GPL-3.0-or-later
// The window's Tab order in picture order: the tool bar from left to right,
// the palette, slot 1 to 8 each followed by its selector, then the run button
// and the two task buttons. Buttons added to the tool bar later fall into
// place by their position.
#pragma once

#include <QList>

class QWidget;
class TBraetFloor;

// The controls that Tab reaches, in order.
QList<QWidget*> PictureOrder(const TBraetFloor& floor);
// Makes every control of PictureOrder reachable with Tab (a mouse click still
// gives the focus only where it did) and chains them in that order.
void BuildTabOrder(TBraetFloor& floor);
