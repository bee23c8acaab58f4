// SPDX-License-Identifier: GPL-3.0-or-later
#include "hands/drag.h"

#include "floor/hitarea.h"
#include "floor/settingselector.h"
#include "game/braet.h"
#include "model/machdefs.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {

constexpr TBraetButton MachineTools[] = {btHuller, btDrejer, btStriber};
constexpr TMachineKind ToolKinds[] = {mcHoles, mcRotate, mcStripe};
// The palette's pictures are shown smaller while they follow the pointer.
constexpr int ToolPicture = 56;

const QColor DropColour(0x1e, 0x8c, 0x2d);
const QColor RemoveColour(0xd0, 0x20, 0x20);

bool ToolChosen(const TBraetSeam& seam)
{
    for (TBraetButton b : {btHuller, btDrejer, btStriber, btTraek, btSkub})
        if (seam.Button(b)->isChecked())
            return true;
    return false;
}

} // namespace

TDragPicture::TDragPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DragPicture"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TDragPicture::SetPicture(const QPixmap& picture)
{
    FPicture = picture;
    resize(picture.deviceIndependentSize().toSize());
    update();
}

void TDragPicture::SetRemoves(bool removes)
{
    if (removes == FRemoves)
        return;
    FRemoves = removes;
    update();
}

void TDragPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setOpacity(0.85);
    p.drawPixmap(0, 0, FPicture);
    if (!FRemoves)
        return;
    // A red cross: let go here and the machine is gone.
    p.setOpacity(1.0);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(10, 6, -10, -6);
    for (const qreal w : {9.0, 5.0}) {
        p.setPen(QPen(w > 6 ? Qt::white : RemoveColour, w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
    }
}

TSlotFrame::TSlotFrame(QWidget* parent, const QString& name, const QColor& colour) : QWidget(parent), FColour(colour)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TSlotFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    // Dark under light: seen on the pale walls and on a dark machine alike.
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 5));
    p.drawRoundedRect(r, 6, 6);
    p.setPen(QPen(FColour, 3));
    p.drawRoundedRect(r, 6, 6);
}

TDragDrop::TDragDrop(TfmBraet& window) : QObject(&window), FSeam(window)
{
    setObjectName(QStringLiteral("DragDrop"));
    FPicture = new TDragPicture(&window);
    FTarget = new TSlotFrame(&window, QStringLiteral("DropTarget"), DropColour);
    for (TBraetButton b : MachineTools)
        FSeam.Button(b)->installEventFilter(this);
    for (int i = 0; i < 8; ++i) {
        FSeam.SlotArea(i)->installEventFilter(this);
        FSeam.SlotPicture(i)->installEventFilter(this);
    }
}

int TDragDrop::SlotAt(const QPoint& at) const
{
    for (int i = 0; i < 8; ++i) {
        const QRect area = FSeam.SlotArea(i)->geometry().united(FSeam.Selector(i)->geometry());
        if (area.contains(at))
            return i;
    }
    return -1;
}

bool TDragDrop::OutOfFactory(const QPoint& at)
{
    return at.y() >= GroundTop;
}

bool TDragDrop::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    const QPoint global = mouse->globalPosition().toPoint();
    if (type == QEvent::MouseButtonPress) {
        if (mouse->button() == Qt::LeftButton && !FDragging)
            Press(widget, global);
        return false; // the press is the Parts' gesture as ever
    }
    if (widget != FSource)
        return false;
    if (type == QEvent::MouseMove) {
        if (!(mouse->buttons() & Qt::LeftButton)) {
            End();
            return false;
        }
        if (!FDragging && (global - FPressAt).manhattanLength() >= QApplication::startDragDistance())
            Start();
        if (!FDragging)
            return false;
        Follow(global);
        return true; // the button under a drag stays up
    }
    if (mouse->button() != Qt::LeftButton)
        return false;
    const bool dragged = FDragging;
    if (dragged)
        Drop(global);
    const bool picture = FFromSlot >= 0 && widget == FSeam.SlotPicture(FFromSlot);
    End();
    // Let go over the machine it came from, a drag is no click on it.
    return dragged && picture;
}

void TDragDrop::Press(QWidget* source, const QPoint& global)
{
    End();
    if (FSeam.Busy())
        return;
    for (std::size_t k = 0; k < std::size(MachineTools); ++k)
        if (source == FSeam.Button(MachineTools[k]))
            FFromTool = ToolKinds[k];
    for (int i = 0; i < 8 && FFromTool == mcNone; ++i) {
        const TMachineRec held = FSeam.Line()[std::size_t(i)];
        // On the empty part of a slot a chosen tool acts at the press.
        const bool fromSlot = source == FSeam.SlotPicture(i) || (source == FSeam.SlotArea(i) && !ToolChosen(FSeam));
        if (fromSlot && held.Kind != mcNone) {
            FFromSlot = i;
            FHeld = held;
        }
    }
    if (FFromTool == mcNone && FFromSlot < 0)
        return;
    FSource = source;
    FPressAt = global;
}

void TDragDrop::Start()
{
    if (FSeam.Busy()) {
        End();
        return;
    }
    FDragging = true;
    QPixmap picture;
    const qreal ratio = FSeam.Window().devicePixelRatioF();
    if (FFromTool != mcNone) {
        auto* tool = qobject_cast<QToolButton*>(FSource.data());
        tool->setDown(false);
        picture = tool->icon().pixmap(QSize(ToolPicture, ToolPicture), ratio);
    } else {
        picture = FSeam.SlotPicture(FFromSlot)->grab();
    }
    FPicture->SetPicture(picture);
}

void TDragDrop::Follow(const QPoint& global)
{
    QWidget& window = FSeam.Window();
    const QPoint at = window.mapFromGlobal(global);
    FPicture->move(at - QPoint(FPicture->width() / 2, FPicture->height() / 2));
    FPicture->SetRemoves(FFromSlot >= 0 && SlotAt(at) < 0 && OutOfFactory(at));
    FPicture->show();
    FPicture->raise();
    const int slot = FSeam.Busy() ? -1 : SlotAt(at);
    if (slot >= 0 && slot != FFromSlot) {
        FTarget->setGeometry(FSeam.SlotArea(slot)->geometry().adjusted(-4, -4, 4, 4));
        FTarget->show();
        FTarget->raise();
        FPicture->raise();
    } else {
        FTarget->hide();
    }
}

void TDragDrop::Drop(const QPoint& global)
{
    // A drag that ends during a run (or the slide) changes nothing.
    if (FSeam.Busy())
        return;
    const QPoint at = FSeam.Window().mapFromGlobal(global);
    const int slot = SlotAt(at);
    TMachineLine line = FSeam.Line();
    if (FFromTool != mcNone) {
        if (slot < 0)
            return;
        TMachineRec placed{FFromTool, 0, 0};
        ApplySelectorIndex(placed, 0);
        line[std::size_t(slot)] = placed;
    } else {
        // The machine picked up must still be there (a key may have moved it).
        if (!(line[std::size_t(FFromSlot)] == FHeld))
            return;
        if (slot >= 0 && slot != FFromSlot)
            std::swap(line[std::size_t(slot)], line[std::size_t(FFromSlot)]);
        else if (slot < 0 && OutOfFactory(at))
            line[std::size_t(FFromSlot)] = TMachineRec{mcNone, 0, 0};
        else
            return;
    }
    FSeam.SetLine(line);
}

void TDragDrop::End()
{
    FDragging = false;
    FSource = nullptr;
    FFromSlot = -1;
    FFromTool = mcNone;
    FPicture->hide();
    FTarget->hide();
}
