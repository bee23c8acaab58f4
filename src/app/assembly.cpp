// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/assembly.h"

#include "access/access.h"
#include "board/board.h"
#include "classroom/classroom.h"
#include "feedback/feedback.h"
#include "game/braet.h"
#include "hands/hands.h"

std::unique_ptr<TfmBraet> AssembleGame(TSoundInterface* sound)
{
    auto form = std::make_unique<TfmBraet>(sound);
    // Each addition talks to the window only through its hooks; the order is
    // the order in which they hear a hook.
    AttachFeedback(*form);
    AttachAccess(*form);
    InstallClassroom(*form);
    AttachHands(*form);
    AttachBoard(*form);
    return form;
}
