// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/number_view.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

TNumberView::TNumberView(QWidget& owner, const QString& number)
    : QWidget(&owner, Qt::Window | Qt::FramelessWindowHint), FNumber(number)
{
    setObjectName(QStringLiteral("fmOpgavenummer"));
    setWindowTitle(QStringLiteral("Opgavenummer – Vorlen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(QStringLiteral("Opgavenummer ") + number);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setGeometry(owner.screen() ? owner.screen()->geometry() : QRect(0, 0, 800, 600));
}

QFont TNumberView::NumberFont(int pixelSize) const
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

int TNumberView::LetterHeight() const
{
    const QScreen* shown = screen();
    const int screenHeight = shown ? shown->geometry().height() : height();
    int size = screenHeight / 4;
    // Letters of the full size would leave the screen for a long number on a
    // narrow screen: shrink them until the number has a margin at both sides.
    const int room = width() * 9 / 10;
    const int wide = QFontMetrics(NumberFont(size)).horizontalAdvance(FNumber);
    if (wide > room && wide > 0)
        size = size * room / wide;
    return size;
}

void TNumberView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int size = LetterHeight();
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(std::max(12, height() / 24));
    p.setFont(small);
    const int line = QFontMetrics(small).height();
    p.drawText(QRect(0, height() / 2 - size - line, width(), line), Qt::AlignCenter, QStringLiteral("Opgave"));
    p.setFont(NumberFont(size));
    p.drawText(QRect(0, height() / 2 - size, width(), size * 2), Qt::AlignCenter, FNumber);
    p.setFont(small);
    p.setPen(Qt::darkGray);
    p.drawText(QRect(0, height() - 2 * line, width(), line), Qt::AlignCenter,
               QStringLiteral("Klik eller tryk Esc for at lukke"));
}

void TNumberView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void TNumberView::mousePressEvent(QMouseEvent*)
{
    close();
}
