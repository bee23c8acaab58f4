// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/tips.h"

#include "feedback/verdict_banner.h"
#include "game/braet.h"
#include "model/line_advice.h"
#include "model/solver.h"
#include "shell/resources.h"

#include <QAccessible>
#include <QFrame>
#include <QShortcut>
#include <QToolButton>

namespace {

// Beside the fast run's hare, as its partner in helping the pupil; while the
// tool bar still has its first, narrower layout that place is the copy
// button's, and the tip waits in the gap before the help button.
constexpr int TipLeft = 236;

} // namespace

TTips::TTips(TfmBraet& window, TVerdictBanner& banner) : QObject(&window), FWindow(window), FBanner(banner)
{
    FPool.setMaxThreadCount(1);

    bbTip = new QToolButton(window.paTool);
    bbTip->setObjectName(QStringLiteral("bbTip"));
    bbTip->setGeometry(TipLeft, 2, 36, 36);
    bbTip->setToolTip(QStringLiteral("Tip (F8)"));
    bbTip->setAccessibleName(QStringLiteral("Tip"));
    bbTip->setFocusPolicy(Qt::NoFocus);
    bbTip->setToolButtonStyle(Qt::ToolButtonIconOnly);
    SetGlyph(bbTip, QStringLiteral("bbTip"));
    bbTip->show();
    connect(bbTip, &QToolButton::clicked, this, &TTips::bbTipClick);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F8), &window);
    connect(key, &QShortcut::activated, this, [this] {
        if (bbTip->isEnabled())
            bbTipClick();
    });
    // The tool bar's buttons move when the window grows; the copy button is
    // the last of them to move left of the help button.
    FCopy = window.bbCopy;
    FCopy->installEventFilter(this);

    // Behind the lamps, under the factory picture, as the verdict's status.
    FStatus = new TTipStatus(&window);
    FStatus->setGeometry(648, 160, 64, 21);
    FStatus->lower();

    Place();
    connect(&window, &TfmBraet::TaskChanged, this, &TTips::TaskChanged);
    connect(&window, &TBraetFloor::FloorChanged, FStatus, &TTipStatus::Clear);
    connect(&window, &TBraetFloor::PlateCleared, FStatus, &TTipStatus::Clear);
    connect(&window, &TfmBraet::VerdictShown, FStatus, &TTipStatus::Clear);
    TaskChanged();
}

TTips::~TTips()
{
    FPool.waitForDone();
}

bool TTips::eventFilter(QObject* watched, QEvent* event)
{
    // Compared with the button kept at the start: the filter also hears the
    // button while the window is being taken apart.
    if (event->type() == QEvent::Move && watched == FCopy)
        Place();
    return false;
}

void TTips::Place()
{
    if (FCopy->x() >= TipLeft + bbTip->width() + 16) {
        bbTip->move(TipLeft, bbTip->y());
        return;
    }
    const int from = FWindow.bbPrinterSetup->geometry().right() + 1;
    const int to = FWindow.bbHelp->x();
    bbTip->move(from + (to - from - bbTip->width()) / 2, bbTip->y());
}

void TTips::TaskChanged()
{
    FTips.clear();
    FTipsMade = false;
    FNext = 0;
    FStatus->Clear();
    bbTip->setEnabled(FWindow.FTask != nullptr);
    // The first task is the time to build the solver's table, away from the
    // window's thread: a question asked meanwhile waits for it.
    if (FWindow.FTask && !FPrepared) {
        FPrepared = true;
        FPool.start([] { PrepareSolver(); });
    }
}

void TTips::bbTipClick()
{
    if (!FWindow.FTask)
        return;
    if (!FTipsMade) {
        FTips = TaskTips(*FWindow.FTask);
        FTipsMade = true;
    }
    QString tip;
    bool given = true;
    if (FTips.isEmpty()) {
        tip = QStringLiteral("Der er ingen tip til denne opgave.");
        given = false;
    } else if (FNext >= int(FTips.size())) {
        // The line is told; the next press begins it again from machine 1.
        tip = QStringLiteral("Der er ikke flere tip. Næste tip viser linjen forfra.");
        given = false;
        FNext = FTips.size() > 2 ? 2 : 0;
    } else {
        tip = FTips[FNext++];
    }
    FBanner.ShowTip(tip);
    FStatus->Say(QStringLiteral("Tip. ") + tip);
    if (given)
        Q_EMIT FWindow.TipGiven();
}
