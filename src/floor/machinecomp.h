// SPDX-License-Identifier: GPL-3.0-or-later
// One machine slot of the factory floor.
#pragma once

#include "model/opgave.h"
#include "shell/gifplayer.h"

#include <memory>

class TPictureBox;
class TSettingSelector;
class THitArea;

class TMachineComp {
public:
    TMachineComp() : FAnimation(std::make_unique<TGifAnimation>()) {}

    std::unique_ptr<TGifAnimation> FAnimation; // owned; the controls belong to the window
    TPictureBox* FPicture = nullptr;           // imContainer<i>, 80 x 48
    TSettingSelector* FSelector = nullptr;     // cbSetting<i>
    THitArea* FHitArea = nullptr;              // spContainer<i>, 80 x 80
    TMachineRec FMachine{mcNone, 0, 0};
};
