// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/screen_reader.h"

#include "floor/picturebox.h"
#include "floor/platebox.h"
#include "access/slot_names.h"
#include "game/braet.h"
#include "model/line_advice.h"
#include "model/plate_words.h"
#include "model/task_number.h"

#include <QAccessible>
#include <QToolButton>

TScreenReader::TScreenReader(TfmBraet& window) : QObject(&window), FWindow(window)
{
    new TSlotNames(window);
    // Behind the lamps, under the factory picture: heard, never seen.
    FStatus = new TVerdictStatus(&window);
    FStatus->setGeometry(648, 138, 64, 21);
    FStatus->lower();

    connect(&window, &TfmBraet::TaskChanged, this, &TScreenReader::TaskChanged);
    connect(&window, &TfmBraet::RunFinished, this, &TScreenReader::PlateChanged);
    connect(&window, &TBraetFloor::PlateCleared, this, &TScreenReader::PlateChanged);
    connect(&window, &TfmBraet::VerdictShown, this, [this](TVerdict verdict) {
        if (verdict != vdRight || !FWindow.FTask) {
            FStatus->Say(verdict == vdRight ? QStringLiteral("Rigtigt") : QStringLiteral("Forkert"));
            return;
        }
        // The same rating as the banner shows.
        std::vector<TMachineRec> line;
        for (const auto& slot : FWindow.FMachines)
            line.push_back(slot->FMachine);
        const QString sentence = RateRightLine(line, *FWindow.FTask).Sentence;
        FStatus->Say(sentence.isEmpty() ? QStringLiteral("Rigtigt") : QStringLiteral("Rigtigt. ") + sentence);
    });
    connect(&window, &TBraetFloor::PlateCleared, FStatus, &TVerdictStatus::Clear);
    // A verdict is about the task: with the task gone or changed it is void.
    connect(&window, &TfmBraet::TaskChanged, FStatus, &TVerdictStatus::Clear);
    TaskChanged();
    PlateChanged();
}

// The words go on the plate box and on the button beside it, which the
// keyboard reaches.
void TScreenReader::TaskChanged()
{
    const QString words = FWindow.FTask ? PlateWords(*FWindow.FTask) : QStringLiteral("Ingen opgave.");
    if (FWindow.FTaskBox) {
        // The number too, so that a pupil can tell the teacher which task it is.
        FWindow.FTaskBox->setAccessibleName(FWindow.FTaskNumber ? QStringLiteral("Opgave ") + TaskName(FWindow.FTaskNumber)
                                                                 : QStringLiteral("Opgaven"));
        FWindow.FTaskBox->setAccessibleDescription(words);
    }
    FWindow.bbNulstilOpgave->setAccessibleDescription(QStringLiteral("Opgaven: ") + words);
}

void TScreenReader::PlateChanged()
{
    // During the run the plate is still being made: only the finished one counts.
    const bool finished = FWindow.FProducedPlate && FWindow.FPlateBox && !FWindow.FRunning;
    const QString words = finished ? PlateWords(*FWindow.FProducedPlate) : QStringLiteral("Ingen plade.");
    if (finished) {
        FWindow.FPlateBox->setAccessibleName(QStringLiteral("Den færdige plade"));
        FWindow.FPlateBox->setAccessibleDescription(words);
    }
    FWindow.bbOverfoerPlade->setAccessibleDescription(QStringLiteral("Den færdige plade: ") + words);
}
