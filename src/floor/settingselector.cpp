// SPDX-License-Identifier: GPL-3.0-or-later
#include "floor/settingselector.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <QWheelEvent>

namespace {

// The list drops down below the selector, as a plain list, instead of the
// menu-like popup some styles put over it.
class TDropDownStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The classic focus mark: a dotted outline that inverts what lies under it,
// so it shows on any item and leaves the item's own pixels readable.
void DrawFocusMark(QPainter& painter, const QRect& r)
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor invert(Qt::white);
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0)
            painter.fillRect(QRect(x, y, 1, 1), invert);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        dot(r.right(), y);
    }
    painter.restore();
}

// Draws the dropped-down items through the selector's drawing handler.
class TSelectorDelegate : public QStyledItemDelegate {
public:
    explicit TSelectorDelegate(TSettingSelector* selector) : QStyledItemDelegate(selector), FSelector(selector) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!FSelector)
            return;
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        FSelector->DrawItem(*painter, index.row(), option.rect, selected);
        painter->restore();
        // Items that paint no background show the chosen one by the focus mark only.
        if (selected)
            DrawFocusMark(*painter, option.rect);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), TSettingSelector::ItemHeight};
    }

private:
    QPointer<TSettingSelector> FSelector;
};

} // namespace

TSettingSelector::TSettingSelector(QWidget* parent, const QString& objectName) : QComboBox(parent)
{
    setObjectName(objectName);
    setEditable(false);

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    connect(this, &QComboBox::activated, this, [this](int) { Q_EMIT Chosen(this); });
}

// The list and its frame are made at the first drop-down, not with the eight
// selectors at start-up: they are a large part of what the window costs to
// build. The style is set then too, since setting it makes the list.
void TSettingSelector::showPopup()
{
    if (!FListReady) {
        FListReady = true;
        // One style for all selectors: each style object of its own would
        // be a copy of the whole application style.
        static QPointer<TDropDownStyle> shared;
        if (!shared) {
            shared = new TDropDownStyle();
            shared->setParent(qApp);
        }
        setStyle(shared);
        setItemDelegate(new TSelectorDelegate(this));
        view()->setFont(font());
        view()->setPalette(palette());
    }
    QComboBox::showPopup();
}

void TSettingSelector::changeEvent(QEvent* event)
{
    // The combo box answers a new font by making its list to give it the
    // font too; before the first drop-down there is no list to tell.
    if (event->type() == QEvent::FontChange && !FListReady) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

void TSettingSelector::DrawItem(QPainter& canvas, int index, const QRect& rect, bool selected)
{
    canvas.setFont(font());
    const QPalette& pal = palette();
    canvas.setBrush(selected ? pal.color(QPalette::Active, QPalette::Highlight) : pal.color(QPalette::Base));
    canvas.setPen(selected ? pal.color(QPalette::Active, QPalette::HighlightedText) : pal.color(QPalette::Text));
    if (FOnDrawItem)
        FOnDrawItem(this, index, rect, canvas);
}

QRect TSettingSelector::FaceRect() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
}

void TSettingSelector::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);

    const QRect face = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.fillRect(face, palette().color(QPalette::Base));
    if (currentIndex() < 0)
        return;
    // The face of the focused selector shows its item as selected.
    const bool selected = hasFocus() && !(FListReady && view()->isVisible());
    painter.save();
    painter.setClipRect(face);
    DrawItem(painter, currentIndex(), face, selected);
    painter.restore();
}

// Scrolling over the factory must not change a machine the player is not
// working on: only the selector with the focus takes the wheel.
void TSettingSelector::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}
