// SPDX-License-Identifier: GPL-3.0-or-later
#include "hands/first_step.h"

#include "game/braet.h"

#include <QPainter>
#include <QToolButton>

namespace {

// Where the verdict banner stands (never at the same time: a verdict needs a
// run, and a run leaves its plate).
constexpr QRect Place(8, 46, 302, 34);
constexpr int TextPx = 15;

} // namespace

TFirstStep::TFirstStep(TfmBraet& window) : QWidget(&window), FSeam(window)
{
    setObjectName(QStringLiteral("FirstStep"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(Text());
    setGeometry(Place);
    hide();
    connect(&window, &TBraetFloor::FloorChanged, this, &TFirstStep::Update);
    connect(&window, &TBraetFloor::PlateCleared, this, &TFirstStep::Update);
    connect(&window, &TfmBraet::TaskChanged, this, &TFirstStep::Update);
    connect(&window, &TfmBraet::RunFinished, this, &TFirstStep::Update);
    for (TBraetButton b : {btHuller, btDrejer, btStriber, btTraek, btSkub})
        connect(FSeam.Button(b), &QToolButton::toggled, this, &TFirstStep::Update);
    Update();
}

QString TFirstStep::Text()
{
    return QStringLiteral("Tryk på ? for en let opgave");
}

void TFirstStep::Update()
{
    bool empty = !FSeam.Task() && !FSeam.ProducedPlate() && !FSeam.Busy();
    for (const TMachineRec& rec : FSeam.Line())
        empty = empty && rec.Kind == mcNone;
    for (TBraetButton b : {btHuller, btDrejer, btStriber, btTraek, btSkub})
        empty = empty && !FSeam.Button(b)->isChecked();
    setVisible(empty);
    if (empty)
        raise();
}

void TFirstStep::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x1b, 0x4f, 0xa8);
    p.setPen(QPen(ink, 3));
    p.setBrush(QColor(0xff, 0xfb, 0xe8));
    p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 10, 10);
    QFont f = font();
    f.setPixelSize(TextPx);
    f.setBold(true);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(rect(), Qt::AlignCenter, Text());
}
