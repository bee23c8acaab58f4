// SPDX-License-Identifier: GPL-3.0-or-later
// Discarding the last run's result.
#include "floor/braet_floor.h"

#include "floor/picturebox.h"
#include "floor/platebox.h"

void TBraetFloor::ClearPlate()
{
    delete FPlateBox;
    FPlateBox = nullptr;
    FProducedPlate.reset();
    // The blinking, if any, goes on: its next tick lights the lamp again.
    if (FLampLit) {
        FLampLit = false;
        BringToFront(FVerdict == vdRight ? static_cast<QWidget*>(imGroenSluk) : static_cast<QWidget*>(imRoedSluk));
    }
    Q_EMIT PlateCleared();
}
