// SPDX-License-Identifier: GPL-3.0-or-later
// The game as it ships: the main window with every addition attached. The
// program, the tests that play it, the benchmarks and the tools all build it
// here, so that none of them plays a different game than the pupils.
#pragma once

#include <memory>

class TfmBraet;
class TSoundInterface;

// `sound` is not owned; nullptr: the window plays through Qt Multimedia.
std::unique_ptr<TfmBraet> AssembleGame(TSoundInterface* sound = nullptr);
