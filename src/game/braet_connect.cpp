// SPDX-License-Identifier: GPL-3.0-or-later
// Binds the window's controls to the game flow's handlers.
#include "game/braet.h"


#include <QAction>
#include <QToolButton>

void TfmBraet::ConnectGame()
{
    connect(bbKoerPlade, &QToolButton::clicked, this, [this] { bbKoerPladeClick(); });
    connect(bbNulstilOpgave, &QToolButton::clicked, this, [this] { bbNulstilOpgaveClick(); });
    connect(bbOverfoerPlade, &QToolButton::clicked, this, [this] { bbOverfoerPladeClick(); });
    for (QToolButton* b : {bbLet, bbMiddel, bbSvaer})
        connect(b, &QToolButton::clicked, this, [this, b] { bbStartClick(b); });
    connect(bbSound, &QToolButton::clicked, this, [this] { bbSoundClick(); });
    connect(LightTimer, &TClockTimer::timeout, this, [this] { LightTimerTimer(); });
    connect(bbPrint, &QToolButton::clicked, this, [this] { Udskriv1Click(); });
    connect(Udskriv1, &QAction::triggered, this, [this] { Udskriv1Click(); });
    connect(bbCopy, &QToolButton::clicked, this, [this] { Kopiertilklippebordet1Click(); });
    connect(Kopiertilklippebordet1, &QAction::triggered, this, [this] { Kopiertilklippebordet1Click(); });
    connect(bbPrinterSetup, &QToolButton::clicked, this, [this] { bbPrinterSetupClick(); });
    connect(bbHelp, &QToolButton::clicked, this, [this] { bbHelpClick(); });
    connect(Vejledning1, &QAction::triggered, this, [this] { Vejledning1Click(); });
    connect(OmVorlen1, &QAction::triggered, this, [this] { OmVorlen1Click(); });
    connect(bbAfslut, &QToolButton::clicked, this, [this] { bbAfslutClick(); });
}
