// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/task_print.h"

#include "classroom/print_page.h"
#include "model/opgave.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

const QColor Rule(150, 150, 150);

// A label and a line to write on, from `left` to `right`; the label's
// baseline is `base`.
void WritingLine(QPainter& p, const TPageUnits& u, int left, int right, int base, const QString& label,
                 const QString& written = {})
{
    const QFontMetrics metrics(p.font(), p.device());
    p.setPen(Qt::black);
    p.drawText(left, base, label);
    const int from = left + metrics.horizontalAdvance(label) + u.Mm(2);
    if (!written.isEmpty())
        p.drawText(from + u.Mm(1), base - u.Mm(0.8), written);
    p.setPen(QPen(Rule, u.Mm(0.25)));
    p.drawLine(from, base + u.Mm(0.8), right, base + u.Mm(0.8));
}

} // namespace

QString TaskJobName(const QString& taskName)
{
    return QStringLiteral("Vorlen – opgave ") + taskName;
}

bool PrintTaskPage(QPrinter& printer, const TOpgave& task, const QString& taskName, const QString& playerName)
{
    QPainter p;
    const QRect page = BeginDocument(printer, p, TaskJobName(taskName));
    if (page.isEmpty())
        return false;
    const TPageUnits u(printer);

    // The number, large enough to read across a desk.
    p.setPen(Qt::black);
    p.setFont(u.Font(11));
    const QFontMetrics small(p.font(), p.device());
    p.drawText(0, small.ascent(), QStringLiteral("Vorlen – opgave"));
    p.setFont(u.Font(26, true));
    const QFontMetrics big(p.font(), p.device());
    int y = small.height() + big.ascent();
    p.drawText(0, y, taskName);

    // Name and date lines, as on the worksheet.
    p.setFont(u.Font(11));
    y += big.descent() + u.Mm(9);
    const int dateLeft = page.width() - u.Mm(50);
    WritingLine(p, u, 0, dateLeft - u.Mm(8), y, QStringLiteral("Navn:"), playerName);
    WritingLine(p, u, dateLeft, page.width(), y, QStringLiteral("Dato:"));
    y += u.Mm(4);
    p.setPen(QPen(Qt::black, u.Mm(0.3)));
    p.drawLine(0, y, page.width(), y);
    const int top = y + u.Mm(8);

    // Three lines for the machines at the foot of the page.
    const int lineGap = u.Mm(10);
    const int linesTop = page.height() - 3 * lineGap;
    // The plate: as large as the room between allows, at most 140 mm, in
    // the middle of the page's width.
    const int room = linesTop - u.Mm(10) - top;
    const int side = std::max(1, std::min({page.width(), u.Mm(140), room}));
    const QRect plate((page.width() - side) / 2, top + (room - side) / 2, side, side);
    PaintPlate(p, task, plate, u.Dpi());

    p.setFont(u.Font(11));
    for (int k = 0; k < 3; ++k) {
        const int base = linesTop + k * lineGap + small.ascent();
        if (k == 0) {
            WritingLine(p, u, 0, page.width(), base, QStringLiteral("Maskiner:"));
        } else {
            p.setPen(QPen(Rule, u.Mm(0.25)));
            p.drawLine(0, base + u.Mm(0.8), page.width(), base + u.Mm(0.8));
        }
    }
    return p.end();
}
