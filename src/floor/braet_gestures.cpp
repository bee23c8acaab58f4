// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks on the slots with the palette's tools: place, remove, push.
#include "floor/braet_floor.h"

#include "floor/hitarea.h"
#include "floor/picturebox.h"
#include "floor/settingselector.h"
#include "model/machdefs.h"

#include <QScopedValueRollback>
#include <QToolButton>

namespace {

TMachineComp* SlotOf(QWidget* sender)
{
    if (auto* hitArea = qobject_cast<THitArea*>(sender))
        return hitArea->FSlot;
    if (auto* picture = qobject_cast<TPictureBox*>(sender))
        return picture->FSlot;
    if (auto* selector = qobject_cast<TSettingSelector*>(sender))
        return selector->FSlot;
    return nullptr;
}

int PositionOf(const std::vector<std::unique_ptr<TMachineComp>>& machines, const TMachineComp* slot)
{
    for (std::size_t i = 0; i < machines.size(); ++i)
        if (machines[i].get() == slot)
            return int(i);
    return -1;
}

} // namespace

void TBraetFloor::spContainer8MouseDown(QWidget* sender)
{
    // While the plate travels the run reads the slots and owns its plate.
    if (Busy())
        return;
    TMachineComp* slot = SlotOf(sender);
    const int i = PositionOf(FMachines, slot);
    if (i < 0)
        return;
    const int last = int(FMachines.size()) - 1;

    if (sbHuller->isChecked()) {
        PlaceMachine(*slot, mcHoles);
    } else if (sbDrejer->isChecked()) {
        PlaceMachine(*slot, mcRotate);
    } else if (sbStriber->isChecked()) {
        PlaceMachine(*slot, mcStripe);
    } else if (sbTraek->isChecked()) {
        for (int k = i; k < last; ++k)
            CopyMachine(k, k + 1);
        ClearSlot(last);
    } else if (sbSkub->isChecked()) {
        for (int k = last - 1; k >= i; --k)
            CopyMachine(k + 1, k);
        ClearSlot(i);
    }
}

void TBraetFloor::imStriberClick(TPictureBox* sender)
{
    if (Busy())
        return;
    spContainer8MouseDown(sender);
    ClearPlate();
}

void TBraetFloor::PlaceMachine(TMachineComp& slot, TMachineKind kind)
{
    slot.FMachine.Kind = kind;
    TSettingSelector* selector = slot.FSelector;
    selector->clear();
    selector->addItems(SelectorItems(kind));
    selector->setCurrentIndex(0);
    cbSettingChange(selector);
    if (kind != mcNone)
        slot.FPicture->show();
}

void TBraetFloor::CopyMachine(int destIndex, int srcIndex)
{
    const int count = int(FMachines.size());
    if (destIndex < 0 || destIndex >= count || srcIndex < 0 || srcIndex >= count || destIndex == srcIndex)
        return;
    TMachineComp& dest = *FMachines[std::size_t(destIndex)];
    TMachineComp& src = *FMachines[std::size_t(srcIndex)];

    dest.FMachine = src.FMachine;
    dest.FPicture->setVisible(dest.FMachine.Kind != mcNone);
    QStringList items;
    for (int k = 0; k < src.FSelector->count(); ++k)
        items.append(src.FSelector->itemText(k));
    dest.FSelector->clear();
    dest.FSelector->addItems(items);
    dest.FSelector->setCurrentIndex(src.FSelector->currentIndex());

    cbSettingChange(dest.FSelector);
    cbSettingChange(src.FSelector);
}

void TBraetFloor::ClearSlot(int index)
{
    if (index < 0 || index >= int(FMachines.size()))
        return;
    TMachineComp& slot = *FMachines[std::size_t(index)];
    slot.FMachine.Kind = mcNone;
    slot.FPicture->hide();
    slot.FSelector->clear();
    if (!FQuietEdits)
        Q_EMIT FloorChanged();
}

void TBraetFloor::ClearAllSlots()
{
    for (int i = 0; i < int(FMachines.size()); ++i)
        ClearSlot(i);
}

bool TBraetFloor::SetLine(const TMachineLine& line)
{
    if (Busy() || FMachines.size() != line.size())
        return false;
    {
        const QScopedValueRollback quiet(FQuietEdits, true);
        for (std::size_t i = 0; i < line.size(); ++i) {
            TMachineComp& slot = *FMachines[i];
            const int index = SelectorIndexOf(line[i]);
            // A record no selector item shows cannot stand on the floor.
            if (index < 0) {
                ClearSlot(int(i));
                continue;
            }
            PlaceMachine(slot, TMachineKind(line[i].Kind));
            slot.FSelector->setCurrentIndex(index);
            cbSettingChange(slot.FSelector);
        }
    }
    ClearPlate();
    Q_EMIT FloorChanged();
    return true;
}
