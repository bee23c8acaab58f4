// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/delay.h"

#include "base/clock.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
bool gQuitRequested = false;
double gFactor = 1.0;
double gOwed = 0.0; // scaled milliseconds not yet waited
}

void Delay(std::uint32_t ms)
{
    if (gQuitRequested)
        return;
    ms = std::min(ms, MaxDelayMs);
    if (gFactor == 1.0) {
        CurrentClock().Wait(ms);
        return;
    }
    // A wait of ms lasts ms + 1 ticks; wait whole ticks of the scaled share
    // and owe the rest. Under one tick, only the events are dispatched.
    gOwed += (double(ms) + 1.0) * gFactor;
    const auto ticks = std::uint32_t(gOwed);
    if (ticks == 0) {
        QCoreApplication::processEvents();
        return;
    }
    gOwed -= ticks;
    CurrentClock().Wait(ticks - 1);
}

void SetDelayFactor(double factor)
{
    gFactor = factor > 0.0 ? factor : 1.0;
    gOwed = 0.0;
}

double DelayFactor()
{
    return gFactor;
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
