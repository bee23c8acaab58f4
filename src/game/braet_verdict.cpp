// SPDX-License-Identifier: GPL-3.0-or-later
// The verdict after a run: a blinking lamp, a sound while sound is on, and the
// sound switch.
#include "game/braet.h"

#include "floor/picturebox.h"
#include "shell/resources.h"
#include "model/draw_grid.h"
#include "model/line_advice.h"
#include "shell/soundplayer.h"

#include <QToolButton>

namespace {

constexpr int VerdictTicks = 7; // 500 ms ticks: blinks for 3.5 s, then stays lit

} // namespace

void TfmBraet::ShowVerdict()
{
    if (!FProducedPlate || !FTask)
        return;
    FVerdict = FProducedPlate->SameAs(*FTask) ? vdRight : vdWrong;
    FRunRating.reset();
    FBlinksLeft = VerdictTicks;
    FLampLit = true;
    BringToFront(FVerdict == vdRight ? imGroenTaend : imRoedTaend);
    if (FSoundOn)
        Sound().Play(FVerdict == vdRight ? QStringLiteral("OKLYD") : QStringLiteral("FEJLLYD"));
    LightTimer->start();
    Q_EMIT VerdictShown(FVerdict);
}

const TRunLine& TfmBraet::LastRun() const
{
    // The solver is asked only when someone wants the rating, and once.
    if (!FRunRating) {
        TRunLine run;
        run.Line = FRunLine;
        run.Right = FTask && FProducedPlate && FVerdict == vdRight;
        run.Rating.Used = UsedMachines(FRunLine);
        if (run.Right)
            run.Rating = RateRightLine(FRunLine, *FTask);
        FRunRating = run;
    }
    return *FRunRating;
}

void TfmBraet::LampsOff()
{
    LightTimer->stop();
    FBlinksLeft = 0;
    BringToFront(imGroenSluk);
    BringToFront(imRoedSluk);
}

void TfmBraet::LightTimerTimer()
{
    LightTimer->stop();
    --FBlinksLeft;
    if (FBlinksLeft != 0 && FLampLit) {
        FLampLit = false;
        BringToFront(FVerdict == vdRight ? imGroenSluk : imRoedSluk);
    } else {
        FLampLit = true;
        BringToFront(FVerdict == vdRight ? imGroenTaend : imRoedTaend);
    }
    if (FBlinksLeft > 0)
        LightTimer->start();
}

void TfmBraet::bbSoundClick()
{
    FSoundOn = !FSoundOn;
    QString glyph;
    if (FSoundOn) {
        glyph = QStringLiteral("LOUDSPEAKER");
        Sound().Prepare();
    } else {
        glyph = QStringLiteral("NOLOUDSPEAKER");
        Sound().Stop();
    }
    ShowSoundHint();
    bbSound->setIcon(LoadGlyph(glyph, DeviceGrid(bbSound->devicePixelRatioF())));
}

void TfmBraet::ShowSoundHint()
{
    // The hint names what the next click does; below it, when the sound
    // player knows that no sound can be played at all, why.
    const QString hint = FSoundOn ? QStringLiteral("Lyd fra") : QStringLiteral("Lyd til");
    const QString problem = Sound().Problem();
    bbSound->setToolTip(problem.isEmpty() ? hint : hint + u'\n' + problem);
    bbSound->setAccessibleName(hint);
    bbSound->setAccessibleDescription(problem);
}
