// SPDX-License-Identifier: GPL-3.0-or-later
// The run: a blank plate tips over, travels as a thin bar under the machine
// slots, each machine plays and changes it, and it stands up again in the
// produced-plate box.
//
// Every pause goes through Delay, which dispatches window events, so other
// handlers run in the middle of a run. They leave the run's plate and box
// alone (Busy()), but the code below still re-checks them after each wait
// instead of trusting pointers held across it.
#include "game/braet.h"

#include "floor/braet_geometry.h"
#include "floor/picturebox.h"
#include "floor/platebox.h"
#include "floor/settingselector.h"
#include "floor/hitarea.h"
#include "base/delay.h"
#include "model/draw_grid.h"

#include <QPointer>

namespace {

constexpr std::uint32_t StepDelay = 2; // ms after every one-pixel step of the bar
constexpr std::uint32_t StandingPause = 500;
using braet::PictureTop;
constexpr int StartLeft = 128;
constexpr int RowExit = 592;  // right edge where the bar leaves row 1
constexpr int RowEntry = 48;  // left edge where it enters row 2
constexpr int RowDrop = 150;
constexpr int LineEnd = braet::ProducedBoxPlace.x();
constexpr QPoint EndBoxPlace = braet::ProducedBoxPlace;
constexpr int BarWidth = 60;
constexpr int BarHeight = 2;
constexpr QRect PlateArea(0, 0, 80, 81);

void MoveBarTo(QWidget* bar, int left)
{
    while (bar->x() < left) {
        bar->move(bar->x() + 1, bar->y());
        Delay(StepDelay);
    }
}

// The box takes the grid of the floor piece it stands up on, not the
// screen's: when the screen's ratio changes during a run, the floor follows
// only after the run (FollowDeviceGrid), and the plate with it.
TPlateBox* NewPlateBox(TfmBraet& w, const QPoint& place, const QImage& background)
{
    auto* box = new TPlateBox(&w, QStringLiteral("pbPlade"));
    box->SetGrid(GridOf(background));
    box->setAccessibleName(QStringLiteral("Den færdige plade"));
    box->move(place);
    box->show();
    w.RaiseWindowedControls();
    return box;
}

// Tilts the produced plate in FPlateBox. The animation works on copies of the
// plate and the canvas, so nothing it holds across its waits can be freed
// under it; false if the plate or its box went meanwhile.
bool TiltPlate(TfmBraet& w, const QImage& background)
{
    TOpgave* const plate = w.FProducedPlate.get();
    QPointer<TPlateBox> box = w.FPlateBox;
    if (!plate || !box)
        return false;
    TOpgave tilting;
    tilting.Assign(*plate);
    QImage canvas = box->Canvas();
    const QImage behind = background;
    const auto show = [&] {
        if (box) {
            box->Canvas() = canvas;
            box->update();
        }
    };
    tilting.Tilt(canvas, behind, PlateArea, show);
    if (!box || w.FProducedPlate.get() != plate)
        return false;
    show();
    plate->FLying = tilting.FLying;
    plate->FOutline = tilting.FOutline;
    return true;
}

TMachineRec SlotRecord(const TfmBraet& w, int index)
{
    return w.FMachines[std::size_t(index)]->FMachine;
}

} // namespace

void TfmBraet::bbKoerPladeClick()
{
    // A run needs the eight slots; during a run or the slide the plate and its
    // box are in use.
    if (Busy() || FMachines.size() != cbSetting.size())
        return;
    LampsOff();
    FRunning = true;
    FRunLine = Line();
    FRunRating.reset();
    RunPlate();
}

void TfmBraet::RunPlate()
{
    const auto abandon = [this] {
        LiggendePlade->hide();
        FRunning = false;
    };

    ClearPlate();

    // Row 1 only when something stands there; slots 5-8 do not count.
    bool fromRow1 = false;
    for (int i = 0; i < 4; ++i)
        fromRow1 = fromRow1 || SlotRecord(*this, i).Kind != mcNone;
    const int firstSlot = fromRow1 ? 0 : 4;
    const int rowShift = fromRow1 ? -6 : RowDrop - 6;

    const QRect startArea(QPoint(StartLeft, PictureTop + 149 + rowShift), PlateArea.size());
    FStartBackground = FactoryPiece(startArea);
    FPlateBox = NewPlateBox(*this, startArea.topLeft(), FStartBackground);
    FProducedPlate = std::make_unique<TOpgave>();
    FProducedPlate->Reset();
    FProducedPlate->FLying = false;
    TOpgave* const plate = FProducedPlate.get();
    FPlateBox->FOnPaint = [this](TPlateBox* sender) { pbOpgavePaint(sender); };
    FPlateBox->Repaint();

    Delay(StandingPause);
    if (!TiltPlate(*this, FStartBackground))
        return abandon();

    LiggendePlade->setGeometry(StartLeft, imContainer[0]->y() + 29 + rowShift, BarWidth, BarHeight);
    FMachinesInRow = 0;
    BringToFront(LiggendePlade);
    LiggendePlade->show();

    delete FPlateBox;
    FPlateBox = nullptr;

    const int centreOffset = (cbSetting[0]->width() - LiggendePlade->width()) / 2;

    for (int i = firstSlot; i < int(FMachines.size()); ++i) {
        TMachineComp& slot = *FMachines[std::size_t(i)];
        // The record counts as it is when the bar gets there.
        const TMachineRec rec = slot.FMachine;
        const int stopOffset = rec.Kind == mcHoles && rec.Setting > 1 ? 0 : centreOffset;
        MoveBarTo(LiggendePlade, spContainer[std::size_t(i)]->x() + stopOffset);

        if (++FMachinesInRow == 5) {
            ChangeRow(slot, stopOffset);
            FMachinesInRow = 0;
        }

        if (rec.Kind != mcNone) {
            AnimateMachine(slot);
            if (FProducedPlate.get() != plate)
                return abandon();
            FProducedPlate->ApplyMachine(rec);
        }
    }

    MoveBarTo(LiggendePlade, LineEnd);
    LiggendePlade->hide();
    if (FProducedPlate.get() != plate)
        return abandon();

    if (FEndBackground.isNull())
        FEndBackground = FactoryPiece(QRect(EndBoxPlace, PlateArea.size()));
    FPlateBox = NewPlateBox(*this, EndBoxPlace, FEndBackground);
    if (!TiltPlate(*this, FEndBackground))
        return abandon();

    FProducedPlate->FLying = false;
    FPlateBox->FOnPaint = [this](TPlateBox* sender) { pbOpgavePaint(sender); };
    FPlateBox->Repaint();

    FRunning = false;
    Q_EMIT RunFinished();
    // A quit arriving during the run ends it without a verdict or sound.
    if (FTask && !QuitRequested())
        ShowVerdict();
}

void TfmBraet::ChangeRow(const TMachineComp& slot5, int stopOffset)
{
    QWidget* bar = LiggendePlade;

    // Leave row 1: slide into the edge and vanish there.
    while (bar->x() + bar->width() < RowExit) {
        bar->move(bar->x() + 1, bar->y());
        Delay(StepDelay);
    }
    while (bar->x() < RowExit) {
        bar->setGeometry(bar->x() + 1, bar->y(), std::max(0, bar->width() - 1), bar->height());
        Delay(StepDelay);
    }

    // Down one storey, then grow out of the left edge of row 2.
    bar->setGeometry(RowEntry, bar->y() + RowDrop, bar->width(), bar->height());
    while (bar->width() < BarWidth) {
        bar->resize(bar->width() + 1, bar->height());
        Delay(StepDelay);
    }
    MoveBarTo(bar, slot5.FHitArea->x() + stopOffset);
}

void TfmBraet::AnimateMachine(TMachineComp& slot)
{
    MoveAndAnimate(slot, 0);
    const TMachineRec rec = slot.FMachine;
    if (rec.Kind != mcHoles || rec.Setting <= 1)
        return;
    // One play per hole: at the left, (the middle,) the right of the slot.
    int offset = slot.FSelector->width() - LiggendePlade->width();
    if (rec.Setting == 3)
        offset /= 2;
    MoveAndAnimate(slot, offset);
    if (rec.Setting == 3) {
        offset *= 2;
        MoveAndAnimate(slot, offset);
    }
}

void TfmBraet::MoveAndAnimate(TMachineComp& slot, int offset)
{
    MoveBarTo(LiggendePlade, slot.FHitArea->x() + offset);

    TPictureBox* picture = slot.FPicture;
    // Centred across the picture; a wider animation loses columns on both sides.
    const int a = (slot.FAnimation->Width() - picture->width()) / 2;
    const QRect playArea(QPoint(-a, 0), QPoint(picture->width() + a - 1, picture->height() - 1));
    QPointer<TPictureBox> shown = picture;
    slot.FAnimation->Play(picture->Canvas(), playArea, [shown] {
        if (shown)
            shown->update();
    });
}
