// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/braet.h"

#include "base/delay.h"
#include "shell/messagedialog.h"
#include "shell/soundloader.h"

#include <QCloseEvent>
#include <QPrinter>

TfmBraet::TfmBraet(TSoundInterface* sound, QWidget* parent) : TBraetFloor(parent)
{
    if (sound) {
        FSound = sound;
    } else {
        FOwnSound = CreateSoundPlayer();
        FSound = FOwnSound.get();
    }
    ConnectGame();
    FSound->OnProblemChanged([this] { ShowSoundHint(); });
}

TfmBraet::~TfmBraet()
{
    FSound->OnProblemChanged({});
    FormDestroy();
}

QPrinter& TfmBraet::Printer()
{
    if (!FPrinter)
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *FPrinter;
}

bool TfmBraet::FormCloseQuery()
{
    return AskYesNo(QStringLiteral("Luk?"));
}

void TfmBraet::closeEvent(QCloseEvent* event)
{
    // A close confirmed once (or a quit already under way) is not asked again.
    if (FClosing || QuitRequested() || FormCloseQuery()) {
        FClosing = true;
        event->accept();
        // Ends every running and later Delay at once, so a run or slide in
        // progress finishes without pauses; the window is destroyed only after
        // the event loop has returned, when no code of it is running any more.
        RequestQuit();
    } else {
        event->ignore();
    }
}

void TfmBraet::bbAfslutClick()
{
    close();
}
