// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/slot_names.h"

#include "floor/hitarea.h"
#include "game/braet.h"
#include "model/plate_words.h"

TSlotNames::TSlotNames(TfmBraet& window) : QObject(&window), FSeam(window)
{
    connect(&window, &TBraetFloor::FloorChanged, this, &TSlotNames::Update);
    Update();
}

void TSlotNames::Update()
{
    // Until the slots are built at the first activation all are empty.
    const TMachineLine line = FSeam.Line();
    for (std::size_t i = 0; i < line.size(); ++i) {
        const QString name = QStringLiteral("Plads %1: ").arg(i + 1) + SlotMachineWords(line[i]);
        THitArea* slot = FSeam.SlotArea(int(i));
        // setAccessibleName tells a screen reader (NameChanged) only when it differs.
        if (slot->accessibleName() != name)
            slot->setAccessibleName(name);
    }
}
