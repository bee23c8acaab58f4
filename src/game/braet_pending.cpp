// SPDX-License-Identifier: GPL-3.0-or-later
// TEMPORARY: game-flow handlers not built yet. Each moves to its own file
// when it is built; this file is deleted when empty.
#include "game/braet.h"

void TfmBraet::bbKoerPladeClick() {}
void TfmBraet::RunPlate() {}
void TfmBraet::AnimateMachine(TMachineComp&) {}
void TfmBraet::MoveAndAnimate(TMachineComp&, int) {}
void TfmBraet::ChangeRow(const TMachineComp&, int) {}
void TfmBraet::ShowVerdict() {}
void TfmBraet::LampsOff() {}
void TfmBraet::LightTimerTimer() {}
void TfmBraet::bbSoundClick() {}
void TfmBraet::bbStartClick(QToolButton*) {}
void TfmBraet::StartTask(int) {}
std::unique_ptr<TOpgave> TfmBraet::LavUdfordring(int) { return nullptr; }
void TfmBraet::ClearTask() {}
void TfmBraet::ShowTaskBox() {}
void TfmBraet::bbNulstilOpgaveClick() {}
void TfmBraet::bbOverfoerPladeClick() {}
void TfmBraet::Udskriv1Click() {}
void TfmBraet::Kopiertilklippebordet1Click() {}
void TfmBraet::bbPrinterSetupClick() {}
void TfmBraet::bbHelpClick() {}
void TfmBraet::Vejledning1Click() {}
void TfmBraet::OmVorlen1Click() {}
void TfmBraet::FormDestroy() {}
