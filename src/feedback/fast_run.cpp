// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/fast_run.h"

#include "game/braet.h"
#include "game/seam.h"
#include "base/delay.h"

#include <QShortcut>
#include <QToolButton>

TFastRun::TFastRun(TfmBraet& window) : QObject(&window)
{
    // Off at every start, whatever a previous window left.
    SetDelayFactor(1.0);

    bbHurtig = TBraetSeam(window).AddToolButton(QStringLiteral("bbHurtig"), QStringLiteral("Hurtig kørsel"), 196);
    bbHurtig->setCheckable(true);
    bbHurtig->setToolTip(QStringLiteral("Hurtig kørsel (F6)"));

    // Takes effect from the next wait, also in the middle of a run.
    connect(bbHurtig, &QToolButton::toggled, this, [](bool on) { SetDelayFactor(on ? Factor : 1.0); });
    auto* key = new QShortcut(QKeySequence(Qt::Key_F6), &window);
    // A held key is one press, not a stream of toggles; and it works from
    // the game's other windows (the statistics) as well, not behind a question.
    key->setAutoRepeat(false);
    key->setContext(Qt::ApplicationShortcut);
    connect(key, &QShortcut::activated, bbHurtig, &QToolButton::toggle);
}

TFastRun::~TFastRun()
{
    SetDelayFactor(1.0);
}
