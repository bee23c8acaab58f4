// SPDX-License-Identifier: GPL-3.0-or-later
#include "hands/hands.h"

#include "hands/drag.h"
#include "hands/first_step.h"
#include "hands/tool_mark.h"
#include "hands/undo.h"

void AttachHands(TfmBraet& window)
{
    new TUndo(window);
    new TToolMark(window);
    new TDragDrop(window);
    new TFirstStep(window);
}
