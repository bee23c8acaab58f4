// SPDX-License-Identifier: GPL-3.0-or-later
// The eight machine slots: their creation and the picture that follows each
// slot's machine and setting.
#include "floor/braet_floor.h"
#include "model/draw_grid.h"

#include "floor/braet_geometry.h"
#include "floor/hitarea.h"
#include "floor/picturebox.h"
#include "floor/settingselector.h"
#include "model/machdefs.h"

namespace {

using braet::SlotWidth;
constexpr int HitAreaHeight = 80;
constexpr int PictureHeight = 48;
constexpr int SelectorHeight = 20;

// The GIF resource that shows `rec` on the floor; empty for an empty slot or
// a setting without a picture. One hole animation serves every hole setting.
QString AnimationName(const TMachineRec& rec)
{
    switch (rec.Kind) {
    case mcRotate:
        return rec.Setting < 4 ? QStringLiteral("DREJER%1").arg(AngleOfSetting(rec.Setting)) : QString();
    case mcHoles:
        return QStringLiteral("HULLER1");
    case mcStripe:
        return rec.Setting < 3 ? QStringLiteral("MALER%1").arg(rec.Setting + 1) : QString();
    default:
        return {};
    }
}

} // namespace

void TBraetFloor::CreateMachineSlots()
{
    if (!FMachines.empty())
        return;
    for (int i = 0; i < 8; ++i) {
        const int left = braet::SlotPlace(i).x();
        const int top = braet::SlotPlace(i).y();

        auto slot = std::make_unique<TMachineComp>();
        slot->FMachine = TMachineRec{mcNone, 0, 0};

        TSettingSelector* selector = cbSetting[std::size_t(i)];
        selector->setGeometry(left, 244 + 150 * (i / 4), SlotWidth, SelectorHeight);
        selector->FSlot = slot.get();
        slot->FSelector = selector;

        THitArea* hitArea = spContainer[std::size_t(i)];
        hitArea->setGeometry(left, top, SlotWidth, HitAreaHeight);
        hitArea->FSlot = slot.get();
        slot->FHitArea = hitArea;

        // The run plays the animation once per stop.
        slot->FAnimation->SetLoop(false);

        TPictureBox* picture = imContainer[std::size_t(i)];
        picture->hide();
        picture->setGeometry(left, top + HitAreaHeight - PictureHeight, SlotWidth, PictureHeight);
        picture->FSlot = slot.get();
        slot->FPicture = picture;

        FMachines.push_back(std::move(slot));
    }
}

void TBraetFloor::cbSettingChange(TSettingSelector* sender)
{
    if (!sender || !sender->FSlot)
        return;
    TMachineComp& slot = *sender->FSlot;
    if (Busy()) {
        // The run reads this slot while it travels: the selector goes back to
        // what the slot holds, and nothing else changes.
        const int shown = SelectorIndexOf(slot.FMachine);
        if (slot.FMachine.Kind != mcNone && sender->currentIndex() != shown)
            sender->setCurrentIndex(shown);
        return;
    }

    ApplySelectorIndex(slot.FMachine, sender->currentIndex());
    ShowSlotMachine(slot);
    if (FQuietEdits)
        return;
    ClearPlate();
    Q_EMIT FloorChanged();
}

void TBraetFloor::ShowSlotMachine(TMachineComp& slot)
{
    TPictureBox* picture = slot.FPicture;
    picture->show();
    const QString name = AnimationName(slot.FMachine);
    if (slot.FMachine.Kind == mcNone)
        picture->hide();

    if (!name.isEmpty()) {
        TGifAnimation& animation = *slot.FAnimation;
        picture->SetPicture(FactoryPiece(picture->geometry()));
        animation.LoadFromResource(name, GridOf(picture->Canvas()));
        animation.SetAnimate(false);
        // Centred on the picture: a wider animation loses as many columns on
        // each side, a narrower one leaves the floor showing beside it.
        const int d = (animation.Width() - picture->width()) / 2;
        animation.DrawFirstFrame(picture->Canvas(),
                                 QRect(QPoint(-d, 0), QPoint(picture->width() + d - 1, picture->height() - 1)));
        picture->Changed();
    }
}
