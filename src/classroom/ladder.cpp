// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/ladder.h"

#include "game/braet.h"
#include "model/ladder_tasks.h"
#include "model/generator.h"
#include "shell/alert_status.h"
#include "shell/messagedialog.h"
#include "model/line_advice.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int RightToClimb = 3;
// The next task comes when the green lamp has blinked out (3.5 s), so the
// pupil sees the verdict first.
constexpr int NextTaskMs = 3500;
// While a dialog or a menu is open the next task waits.
constexpr int RetryMs = 500;
// In the tool bar's left-hand group, after the places of the fast run and
// the tip.
constexpr int TrinLeft = 280;
// The news stands in the sky right of the roof's sign.
constexpr QPoint NewsPlace(488, 46);

} // namespace

TLadder::TLadder(TfmBraet& form, QObject* parent) : QObject(parent), FSeam(form)
{
    setObjectName(QStringLiteral("Ladder"));

    // Wider than the others by the arrow that opens the menu of steps.
    bbTrin = FSeam.AddToolButton(QStringLiteral("bbTrin"), QStringLiteral("Trin for trin"), TrinLeft, 50);
    bbTrin->setCheckable(true);
    bbTrin->setToolTip(QStringLiteral("Trin for trin (F7, vælg trin: Shift+F7)"));

    pmTrin = new QMenu(bbTrin);
    pmTrin->setObjectName(QStringLiteral("pmTrin"));
    auto* group = new QActionGroup(pmTrin);
    for (int step = 1; step <= LadderTopStep; ++step) {
        QAction* action = pmTrin->addAction(QStringLiteral("Trin &%1: %2").arg(step).arg(MachineCount(step)));
        action->setCheckable(true);
        group->addAction(action);
        StepActions[std::size_t(step - 1)] = action;
        connect(action, &QAction::triggered, this, [this, step] { ChooseStep(step); });
    }
    pmTrin->addSeparator();
    Rule1 = pmTrin->addAction(QStringLiteral("Tre rigtige i træk: et trin op"));
    Rule1->setObjectName(QStringLiteral("Rule1"));
    Rule1->setEnabled(false);
    bbTrin->setMenu(pmTrin);
    bbTrin->setPopupMode(QToolButton::MenuButtonPopup);
    // clicked() rather than toggled(): the button's state follows the mode,
    // which a declined question leaves as it was.
    connect(bbTrin, &QToolButton::clicked, this, [this] { bbTrinClick(); });

    auto* key = new QAction(QStringLiteral("Trin for trin"), &form);
    key->setObjectName(QStringLiteral("Trin1"));
    key->setShortcut(QKeySequence(Qt::Key_F7));
    form.addAction(key);
    connect(key, &QAction::triggered, this, [this] { bbTrinClick(); });
    auto* menuKey = new QAction(QStringLiteral("Vælg trin"), &form);
    menuKey->setObjectName(QStringLiteral("VaelgTrin1"));
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F7));
    form.addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] { ShowStepMenu(); });

    FNext.setSingleShot(true);
    connect(&FNext, &TClockTimer::timeout, this, [this] { NextTask(); });
    connect(&form, &TfmBraet::VerdictShown, this, [this](TVerdict verdict) { Verdict(verdict == vdRight); });
    // An edit or a new run after the right answer: the pupil is still at
    // work on this task (trying a shorter line, say), so it stays.
    connect(&form, &TfmBraet::PlateCleared, &FNext, &TClockTimer::stop);
    connect(&form, &TfmBraet::FloorChanged, &FNext, &TClockTimer::stop);
    lbTrinNyt = new QLabel(&form);
    lbTrinNyt->setObjectName(QStringLiteral("lbTrinNyt"));
    lbTrinNyt->setAttribute(Qt::WA_TransparentForMouseEvents);
    lbTrinNyt->setStyleSheet(QStringLiteral(
        "QLabel { background: #fffbe8; color: #1e6e2d; border: 2px solid #1e8c2d; border-radius: 6px;"
        " padding: 1px 6px; font-size: 13px; font-weight: bold; }"));
    lbTrinNyt->move(NewsPlace);
    lbTrinNyt->hide();
    FStatus = new TAlertStatus(&form, QStringLiteral("LadderStatus"));
    FStatus->setGeometry(NewsPlace.x(), NewsPlace.y(), 64, 21);
    UpdateButton();
}

QString TLadder::News() const
{
    return lbTrinNyt->isVisibleTo(lbTrinNyt->parentWidget()) ? lbTrinNyt->text() : QString();
}

void TLadder::Tell(const QString& news)
{
    if (news.isEmpty()) {
        lbTrinNyt->hide();
        FStatus->Clear();
        return;
    }
    lbTrinNyt->setText(news);
    lbTrinNyt->setAccessibleName(news);
    lbTrinNyt->adjustSize();
    lbTrinNyt->show();
    lbTrinNyt->raise();
    FStatus->Say(news);
}

QString TLadder::StepText() const
{
    return FActive ? QStringLiteral("Trin %1").arg(FTaskStep) : QString();
}

void TLadder::bbTrinClick()
{
    if (FActive) {
        Leave();
        return;
    }
    QPointer<TLadder> self(this);
    ChooseStep(FStep);
    // The question may have outlived the window.
    if (self)
        UpdateButton();
}

void TLadder::ChooseStep(int step)
{
    if (FSeam.Busy()) {
        UpdateButton();
        return;
    }
    QPointer<TLadder> self(this);
    const bool replace = MayReplaceTask();
    if (!self)
        return;
    if (!replace) {
        UpdateButton();
        return;
    }
    step = std::clamp(step, 1, LadderTopStep);
    // A task left unsolved ends the run of right answers; so does a new step.
    if (!(FActive && FGivenSolved) || step != FStep)
        FRightInRow = 0;
    FStep = step;
    FActive = true;
    GiveTask();
}

void TLadder::ShowStepMenu()
{
    if (FSeam.Busy() || pmTrin->isVisible())
        return;
    // Under the button, as its arrow opens it; Enter takes the step shown.
    pmTrin->popup(bbTrin->mapToGlobal(QPoint(0, bbTrin->height())));
    pmTrin->setActiveAction(StepActions[std::size_t(FStep - 1)]);
}

bool TLadder::MayReplaceTask()
{
    // As the difficulty buttons do: a task given is not thrown away unasked,
    // unless it is a ladder task already solved.
    if (!FSeam.TaskGiven() || (FActive && FGivenSolved && FSeam.TaskNumber() == FGiven))
        return true;
    QPointer<TLadder> self(this);
    const bool yes = AskYesNo(QStringLiteral("Ny opgave?"));
    return self && yes && !FSeam.Busy();
}

void TLadder::GiveTask()
{
    FNext.stop();
    const TTaskNumber number = LadderTask(FStep, TimeOfDaySeed(), FSeam.Task());
    FGiven = number;
    FGivenSolved = false;
    FTaskStep = FStep;
    FGiving = true;
    FSeam.StartTask(number);
    FGiving = false;
    UpdateButton();
    Q_EMIT Changed();
}

void TLadder::Leave()
{
    if (!FActive)
        return;
    FNext.stop();
    FActive = false;
    FRightInRow = 0;
    FGiven.reset();
    Tell({});
    UpdateButton();
    Q_EMIT Changed();
}

void TLadder::TaskChanged()
{
    // Another task (a difficulty button, "Hent opgave", the produced plate,
    // or none) ends the ladder; the ladder's own new task does not.
    if (FActive && !FGiving && FSeam.TaskNumber() != FGiven)
        Leave();
    FNext.stop();
}

void TLadder::Verdict(bool right)
{
    // Only the first answer that solves a task counts; trying again with
    // fewer machines afterwards neither adds nor takes away.
    if (!FActive || FGivenSolved || FSeam.TaskNumber() != FGiven)
        return;
    if (!right) {
        FRightInRow = 0;
        Tell({});
        return;
    }
    FGivenSolved = true;
    const int solvedOn = FStep;
    const int inRow = ++FRightInRow;
    if (FRightInRow >= RightToClimb) {
        FRightInRow = 0;
        FStep = std::min(FStep + 1, LadderTopStep);
    }
    Tell(FStep > solvedOn ? QStringLiteral("Du er nu på Trin %1!").arg(FStep)
                          : QStringLiteral("%1 af %2 rigtige på Trin %3").arg(inRow).arg(RightToClimb).arg(solvedOn));
    FNext.start(NextTaskMs);
}

void TLadder::NextTask()
{
    if (!FActive || FSeam.TaskNumber() != FGiven)
        return;
    if (FSeam.Busy() || QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        FNext.start(RetryMs);
        return;
    }
    GiveTask();
}

void TLadder::UpdateButton()
{
    bbTrin->setChecked(FActive);
    StepActions[std::size_t(FStep - 1)]->setChecked(true);
}
