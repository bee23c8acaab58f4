// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own pictures, animations and sounds, found by type and name.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>

class QAbstractButton;

// The named resource ("GIF"/"DREJER45", "WAVE"/"OKLYD", "BUTTONGLYPH"/
// "LOUDSPEAKER", ...) as read-only bytes; empty when there is no such resource.
QByteArray LoadResource(const QString& type, const QString& name);
// Qt resource path of a named resource (for players that want a URL or path).
// Inline: the sound module, loaded at run time, uses it too.
inline QString ResourcePath(const QString& type, const QString& name)
{
    return u":/res/" + type.toUpper() + u'/' + name.toUpper();
}

// A window picture by the name of the component that shows it ("ImageVorlen",
// "imGroenSluk", "imSnydeGulv", "Image2", "MAINICON", ...); null if missing.
QImage LoadPicture(const QString& name);
// The same picture for device grid `grid` (see model/draw_grid.h): at 1 the
// picture above and nothing else; at 2 or 3 its high-resolution version
// (NAME@2x, NAME@3x) with that device pixel ratio, so it covers the same
// logical area. A picture without one comes enlarged, never missing.
QImage LoadPicture(const QString& name, int grid);
// Starts decoding on a second thread the pictures the window shows at
// device grid `grid`; LoadPicture takes them from there (picture_prefetch.h
// ends it).
void PrefetchPictures(int grid);

// A button's icon from its glyph bitmap (by the button's name, e.g. "bbLet",
// or a BUTTONGLYPH resource name): the bottom-left pixel's colour becomes
// transparent; one picture gets a generated disabled look, two pictures side
// by side give the normal (left) and disabled (right) look.
QIcon LoadGlyph(const QString& name);
// With the glyph's high-resolution version for `grid` added when above 1.
QIcon LoadGlyph(const QString& name, int grid);
QIcon GlyphIcon(const QImage& glyph, int numGlyphs);
// Gives a button the glyph of that name on the grid of its screen, at the
// glyph's own size: every tool-bar button, the additions' too.
void SetGlyph(QAbstractButton* button, const QString& name);
