// SPDX-License-Identifier: GPL-3.0-or-later
// The two verdict sounds, synthesised sample by sample.
#pragma once

#include <QByteArray>

namespace sounds {

constexpr int kRate = 22050;
constexpr int kOkBytes = 41057;
constexpr int kWrongBytes = 21763;

// 8-bit unsigned PCM samples.
QByteArray Chime();
QByteArray Buzz();
// The complete files.
QByteArray OkWave();
QByteArray WrongWave();

} // namespace sounds
