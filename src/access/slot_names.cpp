// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/slot_names.h"

#include "floor/braet_floor.h"
#include "floor/hitarea.h"
#include "model/plate_words.h"

TSlotNames::TSlotNames(TBraetFloor& floor) : QObject(&floor), FFloor(floor)
{
    connect(&floor, &TBraetFloor::FloorChanged, this, &TSlotNames::Update);
    Update();
}

void TSlotNames::Update()
{
    for (std::size_t i = 0; i < FFloor.spContainer.size(); ++i) {
        // The slots are built at the first activation; until then all are empty.
        const TMachineRec machine = i < FFloor.FMachines.size() ? FFloor.FMachines[i]->FMachine : TMachineRec{};
        const QString name = QStringLiteral("Plads %1: ").arg(i + 1) + SlotMachineWords(machine);
        // setAccessibleName tells a screen reader (NameChanged) only when it differs.
        if (FFloor.spContainer[i]->accessibleName() != name)
            FFloor.spContainer[i]->setAccessibleName(name);
    }
}
