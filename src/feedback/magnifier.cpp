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

// The ring around a hole place.
QRect HoleArea(const QPoint& cell, bool diagonal)
{
    const QPointF m = HoleMiddle(cell, diagonal);
    const double r = 9.5 * TMagnifier::Grid; // neighbouring places are 19 apart
    return QRectF(m.x() - r, m.y() - r, 2 * r, 2 * r).toRect();
}

// Where the two pictures differ: a ring for each hole place that differs,
// and a red tint over the rest (stripes), widened a little so that thin
// lines show.
QVector<QRect> DifferingPlaces(const QImage& a, const QImage& b, bool diagonal, QImage& tint)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    const QRect all(QPoint(0, 0), x.size());
    tint = QImage(x.size(), QImage::Format_ARGB32);
    tint.fill(Qt::transparent);
    std::array<bool, 9> holeDiffers{};
    const auto hole = [](QRgb c) { return c == qRgb(192, 192, 192) || c == qRgb(0, 0, 0); };
    const int widen = TMagnifier::Grid;
    bool tinted = false;
    for (int py = 0; py < x.height(); ++py) {
        const auto* lx = reinterpret_cast<const QRgb*>(x.constScanLine(py));
        const auto* ly = reinterpret_cast<const QRgb*>(y.constScanLine(py));
        for (int px = 0; px < x.width(); ++px) {
            if (lx[px] == ly[px])
                continue;
            // Hole pixels (silver inside, black edge) belong to the nearest
            // hole place; the rest is a stripe's.
            if (hole(lx[px]) || hole(ly[px])) {
                int nearest = 0;
                double best = 1e9;
                for (int h = 0; h < 9; ++h) {
                    const QPointF d = HoleMiddle(HoleCells[diagonal][h], diagonal) - QPointF(px + 0.5, py + 0.5);
                    const double far = std::max(std::abs(d.x()), std::abs(d.y()));
                    if (far < best) {
                        best = far;
                        nearest = h;
                    }
                }
                if (best <= 10.5 * TMagnifier::Grid) {
                    holeDiffers[std::size_t(nearest)] = true;
                    continue;
                }
            }
            tinted = true;
            for (int ty = std::max(0, py - widen); ty <= std::min(x.height() - 1, py + widen); ++ty) {
                auto* line = reinterpret_cast<QRgb*>(tint.scanLine(ty));
                for (int tx = std::max(0, px - widen); tx <= std::min(x.width() - 1, px + widen); ++tx)
                    line[tx] = qRgba(235, 20, 20, 120);
            }
        }
    }
    if (!tinted)
        tint = QImage();
    QVector<QRect> rings;
    for (int h = 0; h < 9; ++h)
        if (holeDiffers[std::size_t(h)])
            rings << HoleArea(HoleCells[diagonal][h], diagonal).intersected(all);
    return rings;
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
        if (produced->IsDiagonal() == task->IsDiagonal())
            FMarks = DifferingPlaces(FTask, FProduced, task->IsDiagonal(), FTint);
    }
    const int lines = int(FHint.size()) + int(FSame) + 1;
    setFixedSize(Margin * 3 + PictureW * 2, Margin + Caption + PictureH + Margin + HintLine * lines + 8);
    if (parent)
        move(parent->mapToGlobal(QPoint((parent->width() - width()) / 2, (parent->height() - height()) / 2)));
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
        const QPoint at(Margin + i * (PictureW + Margin), Margin + Caption);
        p.setFont(caption);
        p.setPen(QColor(0x20, 0x30, 0x40));
        p.drawText(QRect(at.x(), Margin, PictureW, Caption - 4), Qt::AlignCenter, QString::fromUtf8(sides[i].title));
        if (sides[i].picture->isNull()) {
            p.setPen(QColor(0x70, 0x70, 0x70));
            p.drawText(QRect(at, QSize(PictureW, PictureH)), Qt::AlignCenter, QString::fromUtf8(sides[i].missing));
            continue;
        }
        p.drawImage(at, *sides[i].picture);
        if (!FTint.isNull())
            p.drawImage(at, FTint);
        p.setPen(QPen(QColor(0xe0, 0x10, 0x10), 3));
        p.setBrush(Qt::NoBrush);
        p.setRenderHint(QPainter::Antialiasing);
        for (const QRect& mark : FMarks)
            p.drawRoundedRect(QRectF(mark.translated(at)).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
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

TMagnifierLink::TMagnifierLink(TfmBraet& window) : QObject(&window), FWindow(window)
{
    // The boxes are made anew with each task and each run.
    connect(&window, &TfmBraet::TaskChanged, this, [this] { Watch(FWindow.FTaskBox); });
    connect(&window, &TfmBraet::RunFinished, this, [this] { Watch(FWindow.FPlateBox); });
}

void TMagnifierLink::Watch(TPlateBox* box)
{
    if (box)
        connect(box, &TPlateBox::LeftClicked, this, &TMagnifierLink::Open, Qt::UniqueConnection);
}

void TMagnifierLink::Open()
{
    if (FWindow.SelectedTool() || FShown)
        return;
    std::optional<TOpgave> task;
    std::optional<TOpgave> produced;
    if (FWindow.FTask)
        task = *FWindow.FTask;
    // Only a plate that has stood up in its box; not one still on its way.
    if (FWindow.FProducedPlate && !FWindow.FRunning)
        produced = *FWindow.FProducedPlate;
    FShown = new TMagnifier(&FWindow, task, produced);
    FShown->show();
    FShown->activateWindow();
    FShown->setFocus();
}
