// SPDX-License-Identifier: GPL-3.0-or-later
// TEMPORARY: floor operations not built yet. Each moves to its own file when
// it is built; this file is deleted when empty.
#include "floor/braet_floor.h"

void TBraetFloor::CreateMachineSlots() {}
void TBraetFloor::cbSettingChange(TSettingSelector*) {}
void TBraetFloor::cbSetting1DrawItem(TSettingSelector*, int, const QRect&, QPainter&) {}
void TBraetFloor::spContainer8MouseDown(QWidget*) {}
void TBraetFloor::imStriberClick(TPictureBox*) {}
void TBraetFloor::PlaceMachine(TMachineComp&, TMachineKind) {}
void TBraetFloor::CopyMachine(int, int) {}
void TBraetFloor::ClearSlot(int) {}
void TBraetFloor::ClearAllSlots() {}
void TBraetFloor::ClearPlate() {}
