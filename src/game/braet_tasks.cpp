// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks: random ones by difficulty, or the produced plate sliding up into the
// task preview box.
#include "game/braet.h"

#include "floor/braet_geometry.h"
#include "floor/picturebox.h"
#include "floor/platebox.h"
#include "model/generator.h"
#include "base/delay.h"
#include "shell/messagedialog.h"

#include <QMenu>
#include <QPointer>
#include <QToolButton>

#include <algorithm>

namespace {

using braet::TaskBoxPlace;
constexpr int SlideFrom = braet::ProducedBoxPlace.y();
constexpr std::uint32_t SlideStepDelay = 10;

} // namespace

void TfmBraet::bbStartClick(QToolButton* sender)
{
    // A new task throws away the produced plate, which a run or the slide is using.
    if (Busy())
        return;
    const int difficulty = sender == bbLet ? 0 : sender == bbMiddel ? 1 : 2;
    if (FTaskGiven && !AskYesNo(QStringLiteral("Ny opgave?")))
        return;
    if (!Busy())
        StartTask(difficulty);
}

void TfmBraet::StartTask(int difficulty, std::optional<std::uint32_t> seed)
{
    FTaskGiven = true;
    LampsOff();
    ClearAllSlots();
    ClearPlate();
    ClearTask();
    // The seed is drawn here so that the task's number is known.
    const std::uint32_t used = seed ? *seed : TimeOfDaySeed();
    FTask = LavUdfordring(difficulty, used);
    FTaskNumber = TTaskNumber{std::clamp(difficulty, 0, 2), used};
    ShowTaskBox();
}

void TfmBraet::StartPlateTask(const TOpgave& plate, const std::optional<TTaskNumber>& number)
{
    FTaskGiven = true;
    LampsOff();
    ClearAllSlots();
    ClearPlate();
    ClearTask();
    FTask = std::make_unique<TOpgave>(plate);
    FTask->FLying = false;
    FTaskNumber = number;
    ShowTaskBox();
    // As for the produced plate made the task.
    bbPrint->setEnabled(true);
    bbCopy->setEnabled(true);
}

std::unique_ptr<TOpgave> TfmBraet::LavUdfordring(int difficulty, std::optional<std::uint32_t> seed)
{
    return std::make_unique<TOpgave>(GenerateTask(seed ? *seed : TimeOfDaySeed(), difficulty));
}

void TfmBraet::ClearTask()
{
    FTask.reset();
    FTaskNumber.reset();
    // The menu belongs to the task box: it goes with it.
    if (pmUdskrivOpgave && pmUdskrivOpgave->isVisible())
        pmUdskrivOpgave->close();
    delete FTaskBox;
    FTaskBox = nullptr;
    bbPrint->setEnabled(false);
    bbCopy->setEnabled(false);
    Q_EMIT TaskChanged();
}

void TfmBraet::ShowTaskBox()
{
    delete FTaskBox;
    FTaskBox = new TPlateBox(this, QStringLiteral("pbOpgave"));
    FTaskBox->setAccessibleName(QStringLiteral("Opgaven"));
    FTaskBox->FPopupMenu = pmUdskrivOpgave;
    FTaskBox->FOnPaint = [this](TPlateBox* sender) { pbOpgavePaint(sender); };
    // popup() rather than exec(): the box may be gone before the menu closes,
    // and the menu's actions check that a task still exists.
    connect(FTaskBox, &TPlateBox::ContextMenuRequested, this, [this](TPlateBox*, const QPoint& globalPos) {
        if (FTask && pmUdskrivOpgave)
            pmUdskrivOpgave->popup(globalPos);
    });
    FTaskBox->move(TaskBoxPlace);
    FTaskBox->show();
    RaiseWindowedControls();
    FTaskBox->Repaint();
    Q_EMIT TaskChanged();
}

bool TfmBraet::RestoreTask(const TOpgave* plate, const std::optional<TTaskNumber>& number)
{
    if (Busy())
        return false;
    LampsOff();
    // Copied first: `plate` may be the task that goes.
    std::unique_ptr<TOpgave> task;
    if (plate) {
        task = std::make_unique<TOpgave>();
        task->Assign(*plate);
    }
    ClearTask();
    if (!task)
        return true;
    FTaskGiven = true;
    FTask = std::move(task);
    FTaskNumber = number;
    ShowTaskBox();
    // As the produced plate made the task: only the own plate is printed.
    const bool own = !number || number->Difficulty == OwnTask;
    bbPrint->setEnabled(own);
    bbCopy->setEnabled(own);
    return true;
}

void TfmBraet::bbNulstilOpgaveClick()
{
    LampsOff();
    ClearTask();
}

void TfmBraet::bbOverfoerPladeClick()
{
    if (Busy() || !FProducedPlate || !FPlateBox)
        return;
    FSliding = true;
    // The rising plate passes behind this strip of floor.
    BringToFront(imSnydeGulv);
    LampsOff();
    ClearTask();

    TOpgave* const plate = FProducedPlate.get();
    QPointer<TPlateBox> box = FPlateBox;
    for (int y = SlideFrom; y >= TaskBoxPlace.y() && box; --y) {
        box->move(box->x(), y);
        Delay(SlideStepDelay);
    }
    FSliding = false;
    if (!box || FProducedPlate.get() != plate)
        return;

    FTask = std::make_unique<TOpgave>();
    FTask->Assign(*FProducedPlate);
    ShowTaskBox();
    ClearPlate();
    ClearAllSlots();
    bbPrint->setEnabled(true);
    bbCopy->setEnabled(true);
}

void TfmBraet::FormDestroy()
{
    LightTimer->stop();
    FStartBackground = QImage();
    FEndBackground = QImage();
    ClearTask();
    ClearPlate();
}
