// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/access.h"

#include "access/keys.h"
#include "access/screen_reader.h"

void AttachAccess(TfmBraet& window)
{
    new TKeys(window);
    new TScreenReader(window);
}
