// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/about.h"
#include "shell/centrewindow.h"
#include "shell/glyphbutton.h"

#include "shell/resources.h"
#include "model/draw_grid.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

QFont AboutFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    label->move(at);
    return label;
}

// The OK glyph: a green check mark on a 16 x 16 transparent ground.
QIcon CheckMarkGlyph()
{
    QImage glyph(16, 16, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF mark[] = {{2.5, 8.5}, {6.0, 12.0}, {13.5, 3.5}};
    painter.setPen(QPen(QColor(0, 80, 0), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(mark, 3);
    painter.setPen(QPen(QColor(0, 176, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(mark, 3);
    painter.end();
    return QIcon(QPixmap::fromImage(glyph));
}

} // namespace

TBevelPanel::TBevelPanel(QWidget* parent) : QFrame(parent)
{
    // Two one-pixel bevels: the children keep their places inside them.
    setContentsMargins(2, 2, 2, 2);
}

void TBevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    const auto bevel = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        painter.setPen(bottomRight);
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    };
    bevel(rect(), shadow, highlight);                         // outer: lowered
    bevel(rect().adjusted(1, 1, -1, -1), highlight, shadow); // inner: raised
}

TfmAbout::TfmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("fmAbout"));
    setWindowTitle(QStringLiteral("Om Vorlen"));
    setFixedSize(298, 213);
    setModal(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setAutoFillBackground(true);

    Panel1 = new TBevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 281, 161);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(16, 24, 32, 32);
    ProgramIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QImage icon = LoadPicture(QStringLiteral("MAINICON"), DeviceGrid(devicePixelRatio()));
    if (!icon.isNull())
        ProgramIcon->setPixmap(QPixmap::fromImage(icon));
    // A larger picture than the screen needs is scaled down smoothly.
    ProgramIcon->setScaledContents(GridOf(icon) > 1);

    const QString arial = QStringLiteral("Arial");
    ProductName = MakeLabel(Panel1, QStringLiteral("ProductName"), QStringLiteral("Vorlen"),
                            AboutFont(arial, 24, true), QPoint(64, 24));
    Version = MakeLabel(Panel1, QStringLiteral("Version"), QStringLiteral("Version 01022004"),
                        AboutFont(arial, 13, false), QPoint(16, 96));
    Comments = MakeLabel(Panel1, QStringLiteral("Comments"), QStringLiteral("Lavet af Vorlen-holdet"),
                         AboutFont(arial, 13, false), QPoint(16, 120));

    OKButton = new TGlyphButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 178, 77, 27);
    OKButton->setFont(AboutFont(QStringLiteral("MS Sans Serif"), 11, true));
    OKButton->setIcon(CheckMarkGlyph());
    OKButton->setIconSize(QSize(16, 16));
    OKButton->setDefault(true);
    KeepCentredByOuterSize(*this);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TfmAbout::showEvent(QShowEvent* event)
{
    // The texts are measured when the box is first shown, not when it is
    // created at start-up: measuring loads the fonts, which the start-up of
    // the game does not otherwise need.
    if (!FTextLaidOut) {
        FTextLaidOut = true;
        for (QLabel* label : {ProductName, Version, Comments})
            label->adjustSize();
        Comments->resize(258, Comments->height());
    }
    QDialog::showEvent(event);
    OKButton->setFocus(Qt::OtherFocusReason);
}
