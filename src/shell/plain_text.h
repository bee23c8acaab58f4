// SPDX-License-Identifier: GPL-3.0-or-later
// Text a pupil typed or pasted (a name, a task number), made fit to stand in
// the game's own sentences, titles, prints and copies.
#pragma once

#include <QString>

// `text` on one line (white space runs become one space, none at the ends)
// without control characters, unpaired surrogates and the invisible format
// characters that are not part of a script's text (direction marks,
// embeddings, overrides and isolates, zero-width spaces, byte order marks).
// Kept: the zero-width joiner and non-joiner (Persian, Indic scripts,
// emoji), the tag characters of emoji flags, the number signs of Arabic,
// Syriac and Kaithi.
QString PlainLine(const QString& text);

// `text` as an isolate (U+2068 ... U+2069) where it holds right-to-left
// letters or direction controls, so that it can neither reorder the sentence
// around it nor take the sentence's punctuation along; other text is
// returned as it is, since an isolate would change nothing but add invisible
// characters to a copy.
QString IsolatedText(const QString& text);
