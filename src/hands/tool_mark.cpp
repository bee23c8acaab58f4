// SPDX-License-Identifier: GPL-3.0-or-later
#include "hands/tool_mark.h"

#include "floor/hitarea.h"
#include "game/braet.h"

#include <QEvent>
#include <QPainter>
#include <QToolButton>

namespace {

constexpr TBraetButton Palette[] = {btHuller, btDrejer, btStriber, btTraek, btSkub};
// The palette's tools stand 16 pixels apart: the frame fits in between.
constexpr int FrameOut = 7;
// The machine's place in a slot: its lower 48 pixels.
constexpr int MachineTop = 32;
constexpr int MachineHeight = 48;

const QColor Chosen(0xff, 0x8a, 0x00);

} // namespace

TToolFrame::TToolFrame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ToolFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TToolFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(3, 3, -3, -3);
    p.setPen(QPen(QColor(0x30, 0x20, 0x10), 6));
    p.drawRoundedRect(r, 7, 7);
    p.setPen(QPen(Chosen, 4));
    p.drawRoundedRect(r, 7, 7);
}

TSlotPreview::TSlotPreview(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SlotPreview"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TSlotPreview::Set(TWhat what, const QPixmap& machine)
{
    FWhat = what;
    FMachine = machine;
    update();
}

void TSlotPreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF machine(0, MachineTop, width(), MachineHeight);
    if (FWhat == Place) {
        // Faint, so that what stands there now still shows through.
        p.setOpacity(0.5);
        const QSizeF size = FMachine.deviceIndependentSize().scaled(machine.size(), Qt::KeepAspectRatio);
        p.drawPixmap(QRectF(machine.center() - QPointF(size.width() / 2, size.height() / 2), size), FMachine,
                     QRectF(FMachine.rect()));
        return;
    }
    const QColor ink = FWhat == Remove ? QColor(0xd0, 0x20, 0x20) : QColor(0x1d, 0x4f, 0x9c);
    const QRectF r = machine.adjusted(22, 6, -22, -6);
    for (const bool under : {true, false}) {
        p.setPen(QPen(under ? QColor(Qt::white) : ink, under ? 9 : 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (FWhat == Remove) {
            p.drawLine(r.topLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomLeft());
        } else {
            // Onwards along the conveyor: everything from here moves one on.
            const qreal y = r.center().y();
            p.drawLine(QPointF(r.left() - 8, y), QPointF(r.right() + 8, y));
            p.drawPolyline(QPolygonF{{r.right() - 4, y - 11}, {r.right() + 8, y}, {r.right() - 4, y + 11}});
        }
    }
}

TToolMark::TToolMark(TfmBraet& window) : QObject(&window), FSeam(window)
{
    setObjectName(QStringLiteral("ToolMark"));
    FFrame = new TToolFrame(&window);
    FPreview = new TSlotPreview(&window);
    for (std::size_t k = 0; k < std::size(Palette); ++k) {
        FPalette[k] = FSeam.Button(Palette[k]);
        connect(FPalette[k], &QToolButton::toggled, this, &TToolMark::Update);
    }
    for (int i = 0; i < 8; ++i) {
        FSeam.SlotArea(i)->installEventFilter(this);
        FSeam.SlotPicture(i)->installEventFilter(this);
    }
    // A run starts and ends without a hook of the floor.
    connect(&window, &TfmBraet::RunFinished, this, &TToolMark::Update);
    connect(&window, &TBraetFloor::PlateCleared, this, &TToolMark::Update);
}

bool TToolMark::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Enter && event->type() != QEvent::Leave && event->type() != QEvent::MouseButtonPress)
        return false;
    int slot = -1;
    for (int i = 0; i < 8; ++i)
        if (watched == FSeam.SlotArea(i) || watched == FSeam.SlotPicture(i))
            slot = i;
    if (event->type() == QEvent::Enter)
        FHovered = slot;
    else if (event->type() == QEvent::Leave && FHovered == slot)
        FHovered = -1;
    Update();
    return false;
}

void TToolMark::Update()
{
    QToolButton* chosen = nullptr;
    for (const QPointer<QToolButton>& b : FPalette) {
        if (!b)
            return;
        if (b->isChecked())
            chosen = b;
    }
    if (chosen) {
        FFrame->setGeometry(chosen->geometry().adjusted(-FrameOut, -FrameOut, FrameOut, FrameOut));
        FFrame->show();
        FFrame->raise();
    } else {
        FFrame->hide();
    }
    if (!chosen || FHovered < 0 || FSeam.Busy()) {
        FPreview->hide();
        return;
    }
    const TSlotPreview::TWhat what = chosen == FPalette[3] ? TSlotPreview::Remove
                                     : chosen == FPalette[4] ? TSlotPreview::Push
                                                                      : TSlotPreview::Place;
    const qreal ratio = FSeam.Window().devicePixelRatioF();
    FPreview->Set(what, what == TSlotPreview::Place ? chosen->icon().pixmap(QSize(MachineHeight, MachineHeight), ratio)
                                                    : QPixmap());
    FPreview->setGeometry(FSeam.SlotArea(FHovered)->geometry());
    FPreview->show();
    FPreview->raise();
}
