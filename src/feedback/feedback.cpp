// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/feedback.h"

#include "feedback/fast_run.h"
#include "feedback/magnifier.h"
#include "feedback/step_pictures.h"
#include "feedback/tips.h"
#include "feedback/verdict_banner.h"

void AttachFeedback(TfmBraet& window)
{
    new TFastRun(window);
    auto* banner = new TVerdictBanner(window);
    new TMagnifierLink(window);
    new TStepPictures(window);
    new TTips(window, *banner);
}
