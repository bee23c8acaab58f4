// SPDX-License-Identifier: GPL-3.0-or-later
// The Tab order of the main window: the tool bar from left to right, the
// palette, the run and task buttons, then each slot with its selector.
// Buttons added to the tool bar later fall into place by their position.
#pragma once

#include <QList>

class QWidget;
class TBraetSeam;

QList<QWidget*> PictureOrder(const TBraetSeam& window);
void BuildTabOrder(const TBraetSeam& window);
