// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/delay.h"

#include "base/clock.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
bool gQuitRequested = false;
}

void Delay(std::uint32_t ms)
{
    if (gQuitRequested)
        return;
    CurrentClock().Wait(std::min(ms, MaxDelayMs));
}

void RequestQuit(int exitCode)
{
    const bool first = !gQuitRequested;
    gQuitRequested = true;
    if (first)
        QCoreApplication::exit(exitCode);
}

bool QuitRequested()
{
    return gQuitRequested;
}

void ClearQuitRequest()
{
    gQuitRequested = false;
}
