// SPDX-License-Identifier: GPL-3.0-or-later
// The plate tipping over at the start of a run and standing up at its end.
#include "model/draw_gdi.h"
#include "model/draw_grid.h"
#include "model/draw_plate.h"
#include "model/opgave.h"
#include "base/delay.h"

#include <QImage>
#include <QPainter>
#include <QRect>

namespace {

constexpr std::uint32_t FrameMs = 30;
constexpr int FramesDown = 29;
constexpr int FramesUpStraight = 30;
constexpr int FramesUpDiagonal = 38;
// Every this many frames the straight plate's edges lean one pixel more.
constexpr int LeanEvery = 15;

// The painter is closed again before anyone else gets to look at or paint on
// the canvas (frameShown, event handlers inside Delay).
// The canvas and the background are on the same device grid (see
// draw_grid.h); `r` and the outline are logical.
void ShowFrame(QImage& canvas, const QImage& background, const QRect& r,
               const std::array<QPoint, 4>& outline, const std::function<void()>& frameShown)
{
    const int grid = GridOf(canvas);
    {
        QPainter painter(&canvas);
        const QColor white(255, 255, 255);
        GdiPolygon(painter, TGdiStyle::Solid(white, white), outline, grid);
    }
    if (frameShown)
        frameShown();
    Delay(FrameMs);
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(r.topLeft(), background, OnGrid(r, grid));
}

} // namespace

void TOpgave::Tilt(QImage& canvas, const QImage& background, const QRect& r,
                   const std::function<void()>& frameShown)
{
    if (FLying) {
        FOutline = LyingOutline(IsDiagonal());
        if (IsDiagonal()) {
            for (int i = 1; i <= FramesUpDiagonal; ++i) {
                FOutline[0].ry() -= 1;
                FOutline[2].ry() += 1;
                ShowFrame(canvas, background, r, FOutline, frameShown);
            }
        } else {
            int c = 0;
            for (int i = 1; i <= FramesUpStraight; ++i) {
                if (i % LeanEvery == 0) {
                    ++c;
                    FOutline[0].rx() -= c;
                    FOutline[1].rx() += c;
                    FOutline[2].rx() -= c;
                    FOutline[3].rx() += c;
                }
                FOutline[0].ry() -= 1;
                FOutline[1].ry() -= 1;
                FOutline[2].ry() += 1;
                FOutline[3].ry() += 1;
                ShowFrame(canvas, background, r, FOutline, frameShown);
            }
        }
        FLying = false;
    } else {
        // Only a straight plate is ever laid down (a fresh plate in a run).
        if (IsDiagonal())
            return;
        // The standing outline, also when nobody drew the plate before.
        SetOutline();
        int c = 0;
        for (int i = 1; i <= FramesDown; ++i) {
            if (i % LeanEvery == 0) {
                ++c;
                FOutline[0].rx() += c;
                FOutline[1].rx() -= c;
                FOutline[2].rx() += c;
                FOutline[3].rx() -= c;
            }
            FOutline[0].ry() += 1;
            FOutline[1].ry() += 1;
            FOutline[2].ry() -= 1;
            FOutline[3].ry() -= 1;
            ShowFrame(canvas, background, r, FOutline, frameShown);
        }
        FLying = true;
    }
    QPainter painter(&canvas);
    Draw(painter, false, GridOf(canvas));
}
