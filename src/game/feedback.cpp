// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/feedback.h"

#include "game/fast_run.h"
#include "game/magnifier.h"
#include "game/step_pictures.h"
#include "game/verdict_banner.h"

void AttachFeedback(TfmBraet& window)
{
    new TFastRun(window);
    new TVerdictBanner(window);
    new TMagnifierLink(window);
    new TStepPictures(window);
}
