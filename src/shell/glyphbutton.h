// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A push button with its glyph a few pixels from the left edge and the
// caption centred in the room to the right of it, as the dialogs of the game
// show them (Qt centres icon and text together).
class TGlyphButton final : public QPushButton {
public:
    using QPushButton::QPushButton;
    static constexpr int FGlyphLeft = 2;

protected:
    void paintEvent(QPaintEvent* event) override;
};
