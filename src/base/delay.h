// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The longest wait Delay serves: a longer one is a caller's mistake (the
// largest 32-bit wait could never end), so it is cut to this.
inline constexpr std::uint32_t MaxDelayMs = 60u * 60u * 1000u;

// Waits more than `ms` milliseconds (at most MaxDelayMs) while dispatching
// events, without busy waiting. Returns at once once the program has been
// asked to quit.
void Delay(std::uint32_t ms);

// Scales every later wait (the fast run: 0.25; 1 is the normal pace). A wait
// then takes its scaled share of the nominal ms + 1; the fractions of a tick
// are carried over, so a chain of short waits keeps the scaled pace exactly.
void SetDelayFactor(double factor);
double DelayFactor();

// Ends the program: every running and every later Delay returns at once, and
// the event loops unwind with `exitCode`.
void RequestQuit(int exitCode = 0);
bool QuitRequested();
// Forgets a quit request; for tests that start a fresh window afterwards.
void ClearQuitRequest();
