// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <optional>

// The game takes no arguments; only "--help" and "--version" are answered,
// on their own, before any window or display is needed. Returns the exit code
// when the program is to end here (0 after an answer, 2 for anything else on
// the command line); nothing when the game is to start.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
