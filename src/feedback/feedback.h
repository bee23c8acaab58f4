// SPDX-License-Identifier: GPL-3.0-or-later
// Feedback a pupil can learn from: the fast run, the verdict banner, the
// magnifier, the pictures of what each machine did and tips on request.
#pragma once

class TfmBraet;

// Adds them to the window, which owns them.
void AttachFeedback(TfmBraet& window);
