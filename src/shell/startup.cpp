// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/startup.h"

#include <cstdio>

int VorlenMain(int, char**)
{
    std::puts("Vorlen: the game window is not built yet.");
    return 0;
}
