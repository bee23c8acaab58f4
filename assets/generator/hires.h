// SPDX-License-Identifier: GPL-3.0-or-later
// The high-resolution versions: the same paintings on canvases two or three
// device pixels per drawing unit, written beside the 1x files as NAME@2x /
// NAME@3x. They are lossless true-colour PNGs (GIF for the animations, with
// a full 256-colour table), so they need no palette tables of their own.
#pragma once

#include <QImage>
#include <QString>
#include <QVector>

#include <functional>

namespace hires {

constexpr int kScales[] = {2, 3};

QString Suffix(int scale); // "@2x"

// Every failure is reported through `fail`.
using TFail = std::function<void(const QString&)>;

// The factory, the pieces cut from it, the splash, the program icon, the
// loudspeaker glyphs and the message dialog's icons.
void WritePictures(const QString& out, int scale, const TFail& fail);
// One tool-bar or palette glyph (transparent background, not keyed).
void WriteGlyph(const QString& out, const QString& name, int scale, const TFail& fail);
// An animation drawn by `draw` at the current scale; same frame count,
// timing, disposal and (scaled) offsets as the 1x GIF.
void WriteAnimation(const QString& out, const QString& name, int transparent, bool strips,
                    const std::function<QVector<QImage>()>& draw, int scale, const TFail& fail);

} // namespace hires
