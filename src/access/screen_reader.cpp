// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/screen_reader.h"

#include "floor/picturebox.h"
#include "floor/platebox.h"
#include "access/slot_names.h"
#include "game/braet.h"
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
        if (verdict != vdRight || !FWindow.Task()) {
            FStatus->Say(verdict == vdRight ? QStringLiteral("Rigtigt") : QStringLiteral("Forkert"));
            return;
        }
        // The same rating as the banner shows.
        const QString sentence = FWindow.LastRun().Rating.Sentence;
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
    const QString words = FWindow.Task() ? PlateWords(*FWindow.Task()) : QStringLiteral("Ingen opgave.");
    if (TPlateBox* box = FWindow.TaskBox()) {
        // The number too, so that a pupil can tell the teacher which task it is.
        const auto number = FWindow.TaskNumber();
        box->setAccessibleName(number ? QStringLiteral("Opgave ") + TaskName(number) : QStringLiteral("Opgaven"));
        box->setAccessibleDescription(words);
    }
    FWindow.Button(btNulstilOpgave)->setAccessibleDescription(QStringLiteral("Opgaven: ") + words);
}

void TScreenReader::PlateChanged()
{
    // During the run the plate is still being made: only the finished one counts.
    const TOpgave* finished = FWindow.FinishedPlate();
    const QString words = finished ? PlateWords(*finished) : QStringLiteral("Ingen plade.");
    if (finished) {
        FWindow.PlateBox()->setAccessibleName(QStringLiteral("Den færdige plade"));
        FWindow.PlateBox()->setAccessibleDescription(words);
    }
    FWindow.Button(btOverfoerPlade)->setAccessibleDescription(QStringLiteral("Den færdige plade: ") + words);
}
