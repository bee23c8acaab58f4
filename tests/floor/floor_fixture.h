// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the floor tests: a shown floor with its slots built, and
// lines of machines put on it the way the player would.
#pragma once

#include "floor/braet_floor.h"
#include "floor/hitarea.h"
#include "floor/picturebox.h"
#include "floor/platebox.h"
#include "floor/settingselector.h"
#include "shell/fonts.h"
#include "shell/resources.h"

#include <QAbstractItemView>
#include <QTimer>

#include <QTest>
#include <QToolButton>

#include <memory>

inline std::unique_ptr<TBraetFloor> MakeFloor()
{
    auto floor = std::make_unique<TBraetFloor>();
    floor->show();
    if (!QTest::qWaitForWindowExposed(floor.get()))
        return nullptr;
    floor->FormActivate();
    return floor;
}

// Chooses item `index` of slot i's selector as the player does.
inline void Choose(TBraetFloor& floor, int slot, int index)
{
    TSettingSelector* selector = floor.cbSetting[std::size_t(slot)];
    selector->setCurrentIndex(index);
    Q_EMIT selector->activated(index);
}

// One slot of a line: a kind (mcNone: empty) and the item chosen after placing it.
struct TSlotPlan {
    TMachineKind Kind;
    int Index;
};

inline void PlaceLine(TBraetFloor& floor, const std::array<TSlotPlan, 8>& line)
{
    for (int i = 0; i < 8; ++i) {
        if (line[std::size_t(i)].Kind == mcNone) {
            floor.ClearSlot(i);
            continue;
        }
        floor.PlaceMachine(*floor.FMachines[std::size_t(i)], line[std::size_t(i)].Kind);
        Choose(floor, i, line[std::size_t(i)].Index);
    }
}

// A stand-in for the last run's result, so that discarding it can be seen.
inline void FakeRunResult(TBraetFloor& floor)
{
    floor.FProducedPlate = std::make_unique<TOpgave>();
    floor.FProducedPlate->Reset();
    delete floor.FPlateBox;
    floor.FPlateBox = new TPlateBox(&floor, QStringLiteral("FPlateBox"));
    floor.FPlateBox->move(626, 330);
    floor.FPlateBox->show();
}

inline bool RunResultKept(const TBraetFloor& floor)
{
    return floor.FProducedPlate && floor.FPlateBox;
}

inline QStringList ItemTexts(const TSettingSelector* selector)
{
    QStringList items;
    for (int k = 0; k < selector->count(); ++k)
        items.append(selector->itemText(k));
    return items;
}
