// SPDX-License-Identifier: GPL-3.0-or-later
// The slots' accessible names ("Plads 3: Hullemaskine, 2 runde huller",
// "Plads 5: tom"), kept up to date as the floor changes. The names go on the
// hit areas, which are the slots' focusable elements; their tool tips are
// left alone.
#pragma once

#include "game/seam.h"

#include <QObject>

class TSlotNames : public QObject {
    Q_OBJECT
public:
    explicit TSlotNames(TfmBraet& window);
    void Update();

private:
    TBraetSeam FSeam;
};
