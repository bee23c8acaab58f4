// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a sheet of plates for checking the drawing by eye: one row per kind
// of feature, columns at 0, 45, 90 and 135 degrees, first without and then
// with border. Writes plates.png, plates-4x.png (drawn through a painter
// scaled 4x, which must equal the 1x sheet enlarged) and one 4x strip per
// row, plates-4x-row<N>.png, into the given folder (default: the current one).
#include "model/opgave.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int CellWidth = 88;
constexpr int CellHeight = 89;
constexpr int Margin = 4;
const int Angles[] = {0, 45, 90, 135};

struct TRow {
    const char* Name;
    std::function<void(TOpgave&)> Make; // features as punched at 0 (or 45 where said)
};

const std::vector<TRow>& Rows()
{
    static const std::vector<TRow> rows{
        {"blank", [](TOpgave&) {}},
        {"thin stripe", [](TOpgave& p) { p.FStripes[2] = 0; }},
        {"medium stripe", [](TOpgave& p) { p.FStripes[2] = 1; }},
        {"thick stripe", [](TOpgave& p) { p.FStripes[2] = 2; }},
        {"stripes thin/medium/thick on axes 0/1/2", [](TOpgave& p) { p.FStripes = {0, 1, 2, 3}; }},
        {"circle pair + centre circle", [](TOpgave& p) {
             p.FCircleHoles[2] = 1;
             p.FCentreHoles = chCircle;
         }},
        {"squares punched straight (pair axis 2, centre)", [](TOpgave& p) {
             p.FSquareHoles[2] = 1;
             p.FCentreHoles = chSquareStraight;
         }},
        {"squares punched diagonal (pair axis 3, centre)", [](TOpgave& p) {
             p.FSquareHoles[3] = 1;
             p.FCentreHoles = chSquareDiagonal;
         }},
        {"everything", [](TOpgave& p) {
             p.FStripes = {3, 3, 2, 0};
             p.FCircleHoles[0] = 1;
             p.FSquareHoles = {0, 0, 1, 1};
             p.FCentreHoles = chCircle | chSquareStraight | chSquareDiagonal;
         }},
        {"lying", [](TOpgave& p) { p.FLying = true; }},
    };
    return rows;
}

QImage Sheet(int scale, int onlyRow = -1)
{
    const int rowCount = onlyRow < 0 ? int(Rows().size()) : 1;
    const int columns = onlyRow < 0 ? 8 : 4;
    QImage sheet(columns * CellWidth * scale, rowCount * CellHeight * scale, QImage::Format_RGB32);
    sheet.fill(qRgb(255, 236, 170)); // pale yellow: shows what the drawing left alone
    QPainter painter(&sheet);
    painter.scale(scale, scale);
    for (int r = 0; r < rowCount; ++r) {
        const int row = onlyRow < 0 ? r : onlyRow;
        for (int c = 0; c < columns; ++c) {
            TOpgave plate;
            plate.Reset();
            Rows()[std::size_t(row)].Make(plate);
            plate.FAngle = Angles[c % 4];
            painter.save();
            painter.translate(c * CellWidth + Margin, r * CellHeight + Margin);
            // The plate's own 80 x 81 area, as a plate box would clip it.
            painter.setClipRect(0, 0, 80, 81);
            plate.Draw(painter, c >= 4);
            painter.restore();
        }
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const QImage small = Sheet(1);
    const QImage large = Sheet(4);
    bool ok = small.save(dir.filePath(QStringLiteral("plates.png")))
        && large.save(dir.filePath(QStringLiteral("plates-4x.png")));
    for (int row = 0; row < int(Rows().size()); ++row)
        ok = Sheet(4, row).save(dir.filePath(QStringLiteral("plates-4x-row%1.png").arg(row))) && ok;
    const bool same = large == small.scaled(large.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (std::size_t row = 0; row < Rows().size(); ++row)
        std::printf("row %zu: %s\n", row, Rows()[row].Name);
    std::printf("columns: 0, 45, 90, 135 degrees without border, then with border\n");
    std::printf("4x sheet equals the 1x sheet enlarged: %s\n", same ? "yes" : "NO");
    return ok && same ? 0 : 1;
}
