// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/focus_mark.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// A warm yellow that stands out on the sky, the bricks, the concrete and the
// grass alike, with a dark edge for the light grey tool bar.
const QColor MarkColour(255, 196, 0);
const QColor EdgeColour(70, 40, 0);

} // namespace

TFocusMark::TFocusMark(QWidget* window) : QWidget(window), FWindow(window)
{
    setObjectName(QStringLiteral("FocusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this] { Follow(); });
}

void TFocusMark::AddTarget(QWidget* target, QWidget* alsoAround)
{
    const bool known = FTargets.count(target) > 0;
    FTargets[target] = alsoAround;
    if (!known)
        connect(target, &QObject::destroyed, this, [this, target] { FTargets.erase(target); });
}

bool TFocusMark::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    // A windowed control raised over the mark (the game does that whenever a
    // lamp or the plate moves) would hide its inner edge.
    if (type == QEvent::ZOrderChange && watched == FMarked && isVisible()) {
        raise();
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::MouseButtonPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != FWindow)
        return false;
    const bool keys = type != QEvent::MouseButtonPress;
    if (keys != FKeyboardMode) {
        FKeyboardMode = keys;
        Follow();
    }
    return false;
}

void TFocusMark::Follow()
{
    QWidget* focus = QApplication::focusWidget();
    const auto found = focus ? FTargets.find(focus) : FTargets.end();
    if (!FKeyboardMode || found == FTargets.end() || !focus->isVisible()) {
        FMarked = nullptr;
        hide();
        return;
    }
    FMarked = focus;
    QRect around = focus->geometry();
    if (QWidget* also = found->second; also && also->parentWidget() == focus->parentWidget() && also->isVisible())
        around = around.united(also->geometry());
    // Two pixels outside the control and one on its edge: the mark keeps its
    // place whatever lies under it, and still shows two pixels when a control
    // is raised above it.
    if (parentWidget() != focus->parentWidget())
        setParent(focus->parentWidget());
    setGeometry(around.adjusted(-Width + 1, -Width + 1, Width - 1, Width - 1));
    raise();
    show();
    update();
}

void TFocusMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath ring;
    ring.addRoundedRect(outer, 5, 5);
    ring.addRoundedRect(outer.adjusted(Width - 0.5, Width - 0.5, -Width + 0.5, -Width + 0.5), 3, 3);
    ring.setFillRule(Qt::OddEvenFill);
    painter.setPen(QPen(EdgeColour, 1));
    painter.setBrush(MarkColour);
    painter.drawPath(ring);
}
