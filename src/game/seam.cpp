// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/seam.h"

#include "game/braet.h"

#include "floor/picturebox.h"

#include <QFrame>
#include <QToolButton>

#include <algorithm>

TMachineLine TBraetSeam::Line() const
{
    return FWindow.Line();
}

bool TBraetSeam::SetLine(const TMachineLine& line) const
{
    return FWindow.SetLine(line);
}

bool TBraetSeam::Busy() const
{
    return FWindow.Busy();
}

bool TBraetSeam::Running() const
{
    return FWindow.FRunning;
}

THitArea* TBraetSeam::SlotArea(int index) const
{
    return index >= 0 && index < int(FWindow.spContainer.size()) ? FWindow.spContainer[std::size_t(index)] : nullptr;
}

TSettingSelector* TBraetSeam::Selector(int index) const
{
    return index >= 0 && index < int(FWindow.cbSetting.size()) ? FWindow.cbSetting[std::size_t(index)] : nullptr;
}

QWidget* TBraetSeam::SlotPicture(int index) const
{
    return index >= 0 && index < int(FWindow.imContainer.size()) ? FWindow.imContainer[std::size_t(index)] : nullptr;
}

const TOpgave* TBraetSeam::Task() const
{
    return FWindow.FTask.get();
}

std::optional<TTaskNumber> TBraetSeam::TaskNumber() const
{
    return FWindow.FTaskNumber;
}

bool TBraetSeam::TaskGiven() const
{
    return FWindow.FTaskGiven;
}

TPlateBox* TBraetSeam::TaskBox() const
{
    return FWindow.FTaskBox;
}

const TOpgave* TBraetSeam::ProducedPlate() const
{
    return FWindow.FProducedPlate.get();
}

const TOpgave* TBraetSeam::FinishedPlate() const
{
    return FWindow.FRunning || !FWindow.FPlateBox ? nullptr : FWindow.FProducedPlate.get();
}

TPlateBox* TBraetSeam::PlateBox() const
{
    return FWindow.FPlateBox;
}

const TRunLine& TBraetSeam::LastRun() const
{
    return FWindow.LastRun();
}

void TBraetSeam::StartTask(const TTaskNumber& number) const
{
    if (number.Difficulty == OwnTask)
        FWindow.StartPlateTask(TaskPlate(number), number);
    else
        FWindow.StartTask(number.Difficulty, number.Seed);
}

void TBraetSeam::SetTaskNumber(const std::optional<TTaskNumber>& number) const
{
    if (!FWindow.FTask || FWindow.FTaskNumber == number)
        return;
    FWindow.FTaskNumber = number;
    Q_EMIT FWindow.TaskChanged();
}

void TBraetSeam::SetTaskPrint(std::function<void()> print) const
{
    FWindow.SetTaskPrint(std::move(print));
}

bool TBraetSeam::RestoreTask(const TOpgave* plate, const std::optional<TTaskNumber>& number) const
{
    return FWindow.RestoreTask(plate, number);
}

QString TBraetSeam::PlayerName() const
{
    return FWindow.FPlayerName;
}

void TBraetSeam::SetPlayerName(const QString& name) const
{
    FWindow.FPlayerName = name;
}

void TBraetSeam::TipGiven() const
{
    Q_EMIT FWindow.TipGiven();
}

QToolButton* TBraetSeam::Button(TBraetButton button) const
{
    TfmBraet& w = FWindow;
    QToolButton* const buttons[] = {
        w.bbLet, w.bbMiddel, w.bbSvaer, w.bbCopy, w.bbPrint, w.bbSound, w.bbPrinterSetup, w.bbHelp, w.bbAfslut,
        w.bbKoerPlade, w.bbNulstilOpgave, w.bbOverfoerPlade,
        w.sbHuller, w.sbDrejer, w.sbStriber, w.sbTraek, w.sbSkub,
    };
    return button < std::size(buttons) ? buttons[button] : nullptr;
}

QAction* TBraetSeam::Action(TBraetAction action) const
{
    TfmBraet& w = FWindow;
    QAction* const actions[] = {w.Vejledning1, w.OmVorlen1, w.Udskriv1, w.Kopiertilklippebordet1};
    return action < std::size(actions) ? actions[action] : nullptr;
}

QMenu* TBraetSeam::HelpMenu() const
{
    return FWindow.Popup;
}

QMenu* TBraetSeam::TaskMenu() const
{
    return FWindow.pmUdskrivOpgave;
}

QList<QToolButton*> TBraetSeam::ToolBarButtons() const
{
    QList<QToolButton*> bar = FWindow.paTool->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(bar.begin(), bar.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    return bar;
}

QToolButton* TBraetSeam::AddToolButton(const QString& name, const QString& hint, int left, int width) const
{
    return FWindow.AddToolButton(name, hint, left, width);
}
