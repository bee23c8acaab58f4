// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/glyphbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void TGlyphButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QStyleOptionButton full = option;
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QPoint shift;
    if (isDown() || isChecked())
        shift = QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const QSize glyph = iconSize();
    const QRect glyphRect = QRect(QPoint(FGlyphLeft, (height() - glyph.height()) / 2), glyph)
                                .translated(shift);
    icon().paint(&painter, glyphRect, Qt::AlignCenter,
                 isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const QRect textRect =
        QRect(glyphRect.right() + 1, 0, width() - glyphRect.right() - 1, height()).translated(shift);
    painter.drawItemText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                         text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &full, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
