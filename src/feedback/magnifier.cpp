// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/magnifier.h"

#include "floor/platebox.h"
#include "game/braet.h"
#include "model/draw_plate.h"
#include "model/plate_diff.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

const QColor Background(0xee, 0xf2, 0xf7);
constexpr int Margin = 20;
constexpr int Caption = 24;
constexpr int PictureW = 80 * TMagnifier::Grid;
constexpr int PictureH = 81 * TMagnifier::Grid;
constexpr int HintLine = 20;

// The plate 4x enlarged, drawn on a grid `scale` times finer again for a
// screen of that pixel ratio.
QImage Enlarged(const std::optional<TOpgave>& plate, int scale = 1)
{
    if (!plate)
        return {};
    TOpgave copy;
    copy.Assign(*plate);
    copy.FLying = false;
    QImage img = PlateImage(copy, true, TMagnifier::Grid * scale, Background);
    img.setDevicePixelRatio(scale); // shown 4x, pixel for pixel
    return img;
}

// The nine places a hole can take: the reference points of the plate's hole
// grid, straight and diagonal.
constexpr QPoint HoleCells[2][9] = {
    {{10, 10}, {29, 10}, {49, 10}, {10, 29}, {29, 29}, {49, 29}, {10, 49}, {29, 49}, {49, 49}},
    {{31, 5}, {18, 18}, {44, 18}, {5, 31}, {31, 31}, {58, 31}, {18, 44}, {44, 44}, {31, 58}}};

// A hole's middle, in device pixels: circles and squares at a place are
// centred alike, 7.5 (straight) or 9.5 (diagonal) from the reference point.
QPointF HoleMiddle(const QPoint& cell, bool diagonal)
{
    const double off = diagonal ? 9.5 : 7.5;
    return QPointF(cell.x() + off, cell.y() + off) * TMagnifier::Grid;
}

// The ring around a hole place: a circle a little larger than the largest
// hole, kept inside the picture.
QRect HoleArea(const QPoint& cell, bool diagonal, const QRect& inside)
{
    const QPointF m = HoleMiddle(cell, diagonal);
    const double r = 9 * TMagnifier::Grid; // neighbouring places are 19 apart
    return QRectF(m.x() - r, m.y() - r, 2 * r, 2 * r).toRect().intersected(inside);
}

// The places of the hole grid on the line in screen direction 0..3 (as in
// PlateWords: vertical, up to the right, horizontal, down to the right),
// for a plate standing straight and on its corner.
constexpr int LineCells[2][4][2] = {{{1, 7}, {2, 6}, {3, 5}, {0, 8}}, {{0, 8}, {2, 6}, {3, 5}, {1, 7}}};
constexpr int CentreCell = 4;

// The hole places where one plate has a hole and the other has none or
// another one; both plates stand alike. Decided from the plates themselves,
// not from pixels: a stripe's end must never pass for a hole.
std::array<bool, 9> DifferingHoles(const TOpgave& a, const TOpgave& b)
{
    std::array<bool, 9> differs{};
    const bool diagonal = a.IsDiagonal();
    for (std::uint8_t d = 0; d < 4; ++d) {
        const std::uint8_t x = a.AxisAt(d);
        const std::uint8_t y = b.AxisAt(d);
        if (a.FCircleHoles[x] != b.FCircleHoles[y] || a.FSquareHoles[x] != b.FSquareHoles[y])
            for (const int cell : LineCells[diagonal][d])
                differs[std::size_t(cell)] = true;
    }
    if (a.FCentreHoles != b.FCentreHoles)
        differs[CentreCell] = true;
    return differs;
}

// An outline around what differs outside the ringed hole places (a stripe):
// a red band a few pixels away from the differing pixels, so the stripe
// itself keeps its colour, drawn only on the plate. Null when nothing
// differs there.
QImage StripeOutline(const QImage& a, const QImage& b, const QVector<QRect>& rings)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    const int w = x.width();
    const int h = x.height();
    // Chamfer distances (3 per step, 4 per diagonal step) to the nearest
    // differing pixel.
    constexpr int Far = 1 << 20;
    std::vector<int> dist(std::size_t(w) * std::size_t(h), Far);
    bool any = false;
    for (int py = 0; py < h; ++py) {
        const auto* lx = reinterpret_cast<const QRgb*>(x.constScanLine(py));
        const auto* ly = reinterpret_cast<const QRgb*>(y.constScanLine(py));
        for (int px = 0; px < w; ++px) {
            if (lx[px] == ly[px])
                continue;
            const QPoint at(px, py);
            if (std::any_of(rings.begin(), rings.end(), [&](const QRect& r) { return r.contains(at); }))
                continue;
            dist[std::size_t(py) * std::size_t(w) + std::size_t(px)] = 0;
            any = true;
        }
    }
    if (!any)
        return {};
    const auto at = [&](int px, int py) -> int& { return dist[std::size_t(py) * std::size_t(w) + std::size_t(px)]; };
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            int& d = at(px, py);
            if (px > 0)
                d = std::min(d, at(px - 1, py) + 3);
            if (py > 0) {
                d = std::min(d, at(px, py - 1) + 3);
                if (px > 0)
                    d = std::min(d, at(px - 1, py - 1) + 4);
                if (px + 1 < w)
                    d = std::min(d, at(px + 1, py - 1) + 4);
            }
        }
    for (int py = h - 1; py >= 0; --py)
        for (int px = w - 1; px >= 0; --px) {
            int& d = at(px, py);
            if (px + 1 < w)
                d = std::min(d, at(px + 1, py) + 3);
            if (py + 1 < h) {
                d = std::min(d, at(px, py + 1) + 3);
                if (px + 1 < w)
                    d = std::min(d, at(px + 1, py + 1) + 4);
                if (px > 0)
                    d = std::min(d, at(px - 1, py + 1) + 4);
            }
        }
    // The band: from 1.5 to 2.5 plate pixels away from the stripe.
    const int inner = 3 * TMagnifier::Grid * 3 / 2;
    const int outer = 3 * TMagnifier::Grid * 5 / 2;
    const QRgb background = Background.rgb() | 0xff000000u;
    QImage outline(x.size(), QImage::Format_ARGB32);
    outline.fill(Qt::transparent);
    for (int py = 0; py < h; ++py) {
        const auto* lx = reinterpret_cast<const QRgb*>(x.constScanLine(py));
        const auto* ly = reinterpret_cast<const QRgb*>(y.constScanLine(py));
        auto* line = reinterpret_cast<QRgb*>(outline.scanLine(py));
        for (int px = 0; px < w; ++px) {
            const int d = at(px, py);
            if (d > inner && d <= outer && lx[px] != background && ly[px] != background)
                line[px] = qRgba(225, 16, 16, 255);
        }
    }
    return outline;
}

} // namespace

TMagnifier::TMagnifier(QWidget* parent, const std::optional<TOpgave>& task, const std::optional<TOpgave>& produced)
    : QWidget(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("Magnifier"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(QStringLiteral("Forstørrelse"));
    FTask = Enlarged(task);
    FProduced = Enlarged(produced);
    const int scale = parent ? std::max(1, int(std::ceil(parent->devicePixelRatioF()))) : 1;
    FTaskShown = scale == 1 ? FTask : Enlarged(task, scale);
    FProducedShown = scale == 1 ? FProduced : Enlarged(produced, scale);
    if (task && produced && produced->SameAs(*task)) {
        FSame = true;
    } else if (task && produced) {
        FHint = DifferenceHint(*produced, *task);
        setAccessibleDescription(FHint.join(QStringLiteral(". ")));
        // Plates standing differently differ everywhere: the hint says so.
        if (produced->IsDiagonal() == task->IsDiagonal()) {
            const bool diagonal = task->IsDiagonal();
            // A 3-pixel pen on the ring's edge stays inside the picture.
            const QRect inside = QRect(QPoint(0, 0), FTask.size()).adjusted(2, 2, -2, -2);
            const std::array<bool, 9> holes = DifferingHoles(*produced, *task);
            for (int h = 0; h < 9; ++h)
                if (holes[std::size_t(h)])
                    FMarks << HoleArea(HoleCells[diagonal][h], diagonal, inside);
            if (ComparePlates(*produced, *task).Stripes)
                FStripeMarks = StripeOutline(FTask, FProduced, FMarks);
        }
    }
    const int lines = int(FHint.size()) + int(FSame) + 1;
    setFixedSize(Margin * 3 + PictureW * 2, Margin + Caption + PictureH + Margin + HintLine * lines + 8);
    if (parent)
        move(parent->mapToGlobal(QPoint((parent->width() - width()) / 2, (parent->height() - height()) / 2)));
}

QPoint TMagnifier::PictureAt(int side)
{
    return {Margin + side * (PictureW + Margin), Margin + Caption};
}

void TMagnifier::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Background);
    p.setPen(QColor(0x55, 0x66, 0x77));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    QFont caption = font();
    caption.setPixelSize(16);
    caption.setBold(true);
    const struct {
        const QImage* picture;
        const char* title;
        const char* missing;
    } sides[] = {{&FTaskShown, "Opgaven", "Ingen opgave"}, {&FProducedShown, "Din plade", "Ingen plade endnu"}};
    for (int i = 0; i < 2; ++i) {
        const QPoint at = PictureAt(i);
        p.setFont(caption);
        p.setPen(QColor(0x20, 0x30, 0x40));
        p.drawText(QRect(at.x(), Margin, PictureW, Caption - 4), Qt::AlignCenter, QString::fromUtf8(sides[i].title));
        if (sides[i].picture->isNull()) {
            p.setPen(QColor(0x70, 0x70, 0x70));
            p.drawText(QRect(at, QSize(PictureW, PictureH)), Qt::AlignCenter, QString::fromUtf8(sides[i].missing));
            continue;
        }
        p.drawImage(at, *sides[i].picture);
        if (!FStripeMarks.isNull())
            p.drawImage(at, FStripeMarks);
        p.setPen(QPen(QColor(0xe0, 0x10, 0x10), 3));
        p.setBrush(Qt::NoBrush);
        p.setRenderHint(QPainter::Antialiasing);
        for (const QRect& mark : FMarks)
            p.drawEllipse(QRectF(mark.translated(at)));
        p.setRenderHint(QPainter::Antialiasing, false);
    }

    QFont text = font();
    text.setPixelSize(14);
    p.setFont(text);
    int y = Margin + Caption + PictureH + Margin / 2;
    p.setPen(QColor(0xb0, 0x20, 0x10));
    if (FSame) {
        p.setPen(QColor(0x1e, 0x8c, 0x2d));
        p.drawText(QRect(0, y, width(), HintLine), Qt::AlignCenter, QStringLiteral("Pladerne er ens"));
        y += HintLine;
    }
    for (const QString& line : FHint) {
        p.drawText(QRect(0, y, width(), HintLine), Qt::AlignCenter, line);
        y += HintLine;
    }
    text.setPixelSize(12);
    p.setFont(text);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawText(QRect(0, y, width(), HintLine), Qt::AlignCenter, QStringLiteral("Klik eller tryk Esc for at lukke"));
}

void TMagnifier::mousePressEvent(QMouseEvent*)
{
    close();
}

void TMagnifier::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

TMagnifierLink::TMagnifierLink(TfmBraet& window) : QObject(&window), FWindow(window), FSeam(window)
{
    // The boxes are made anew with each task and each run.
    connect(&window, &TfmBraet::TaskChanged, this, [this] { Watch(FSeam.TaskBox()); });
    connect(&window, &TfmBraet::RunFinished, this, [this] { Watch(FSeam.PlateBox()); });
}

void TMagnifierLink::Watch(TPlateBox* box)
{
    if (box)
        connect(box, &TPlateBox::LeftClicked, this, &TMagnifierLink::Clicked, Qt::UniqueConnection);
}

void TMagnifierLink::Clicked(TPlateBox* box)
{
    // No gesture of the game uses the produced plate, so a tool still chosen
    // after building the line must not keep the pupil from comparing.
    if (box == FSeam.PlateBox() || !FWindow.SelectedTool())
        Open();
}

void TMagnifierLink::Open()
{
    if (FShown)
        return;
    std::optional<TOpgave> task;
    std::optional<TOpgave> produced;
    if (FSeam.Task())
        task = *FSeam.Task();
    // Only a plate that has stood up in its box; not one still on its way.
    if (FSeam.ProducedPlate() && !FSeam.Running())
        produced = *FSeam.ProducedPlate();
    FShown = new TMagnifier(&FWindow, task, produced);
    FShown->show();
    FShown->activateWindow();
    FShown->setFocus();
}
