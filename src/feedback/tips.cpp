// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/tips.h"

#include "feedback/verdict_banner.h"
#include "game/braet.h"
#include "model/line_advice.h"
#include "model/solver.h"

#include <QAccessible>
#include <QFrame>
#include <QShortcut>
#include <QToolButton>

namespace {

// Beside the fast run's hare, as its partner in helping the pupil.
constexpr int TipLeft = 236;

} // namespace

TTips::TTips(TfmBraet& window, TVerdictBanner& banner) : QObject(&window), FSeam(window), FBanner(banner)
{
    FPool.setMaxThreadCount(1);

    bbTip = FSeam.AddToolButton(QStringLiteral("bbTip"), QStringLiteral("Tip"), TipLeft);
    bbTip->setToolTip(QStringLiteral("Tip (F8)"));
    connect(bbTip, &QToolButton::clicked, this, &TTips::bbTipClick);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F8), &window);
    connect(key, &QShortcut::activated, this, [this] {
        if (bbTip->isEnabled())
            bbTipClick();
    });
    // Behind the lamps, under the factory picture, as the verdict's status.
    FStatus = new TTipStatus(&window);
    FStatus->setGeometry(648, 160, 64, 21);
    FStatus->lower();

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

void TTips::TaskChanged()
{
    FTips.clear();
    FTipsMade = false;
    FNext = 0;
    FStatus->Clear();
    bbTip->setEnabled(FSeam.Task() != nullptr);
    // The first task is the time to build the solver's table, away from the
    // window's thread: a question asked meanwhile waits for it.
    if (FSeam.Task() && !FPrepared) {
        FPrepared = true;
        FPool.start([] { PrepareSolver(); });
    }
}

void TTips::bbTipClick()
{
    if (!FSeam.Task())
        return;
    if (!FTipsMade) {
        FTips = TaskTips(*FSeam.Task());
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
        FSeam.TipGiven();
}
