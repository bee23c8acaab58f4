// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own pictures, animations and sounds, found by type and name.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>

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

// A button's icon from its glyph bitmap (by the button's name, e.g. "bbLet",
// or a BUTTONGLYPH resource name): the bottom-left pixel's colour becomes
// transparent; one picture gets a generated disabled look, two pictures side
// by side give the normal (left) and disabled (right) look.
QIcon LoadGlyph(const QString& name);
QIcon GlyphIcon(const QImage& glyph, int numGlyphs);
