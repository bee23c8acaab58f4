// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/stats_print.h"

#include "classroom/print_page.h"
#include "classroom/stats_log.h"
#include "shell/plain_text.h"

#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

bool PrintStatistics(QPrinter& printer, const TStatsLog& log, const QString& name, const QDate& date,
                     std::uint32_t playedMs)
{
    QPainter p;
    const QRect page = BeginDocument(printer, p, QStringLiteral("Vorlen – statistik"));
    if (page.isEmpty())
        return false;
    const TPageUnits u(printer);

    p.setPen(Qt::black);
    p.setFont(u.Font(16, true));
    const QFontMetrics head(p.font(), p.device());
    p.drawText(0, head.ascent(), QStringLiteral("Vorlen – statistik"));
    p.setFont(u.Font(11));
    const QFontMetrics text(p.font(), p.device());
    int y = head.height() + text.ascent();
    p.drawText(0, y, QStringLiteral("Navn: ") + (name.isEmpty() ? QStringLiteral("-") : IsolatedText(name)));
    p.drawText(QRect(0, y - text.ascent(), page.width(), text.height()), Qt::AlignRight,
               QStringLiteral("Dato: ") + QLocale().toString(date, QLocale::LongFormat));
    y += text.descent() + u.Mm(2);
    p.setPen(QPen(Qt::black, u.Mm(0.3)));
    p.drawLine(0, y, page.width(), y);
    y += u.Mm(3);

    // The table per kind of task.
    const int columns[] = {0, u.Mm(36), u.Mm(52), u.Mm(68), u.Mm(110), u.Mm(130)};
    const QString titles[] = {QStringLiteral("Opgaver"), QStringLiteral("Givet"), QStringLiteral("Løst"),
                              QStringLiteral("Løst i første kørsel"), QStringLiteral("Kørsler"),
                              QStringLiteral("Løst med færrest")};
    const auto row = [&](const QString (&cells)[6], bool bold) {
        p.setFont(u.Font(11, bold));
        y += text.height();
        for (int c = 0; c < 6; ++c)
            p.drawText(columns[c], y, cells[c]);
    };
    p.setPen(Qt::black);
    row(titles, true);
    for (int kind = 0; kind < KindCount; ++kind) {
        const TKindCount c = log.Count(kind);
        const QString cells[] = {KindName(kind), QString::number(c.Given), QString::number(c.Solved),
                                 QString::number(c.SolvedFirstRun), QString::number(c.Runs),
                                 QString::number(c.SolvedWithFewest)};
        row(cells, false);
    }
    y += u.Mm(3);
    p.setFont(u.Font(11));
    y += text.height();
    p.drawText(0, y, QStringLiteral("Løst i træk nu: %1     Flest i træk: %2     Spilletid: %3")
                         .arg(log.CurrentStreak())
                         .arg(log.LongestStreak())
                         .arg(PlayedText(playedMs)));
    y += u.Mm(4);
    p.setPen(QPen(Qt::black, u.Mm(0.3)));
    p.drawLine(0, y, page.width(), y);
    y += u.Mm(2);

    // The tasks, newest first, as many as the page holds.
    p.setPen(Qt::black);
    const int picture = u.Mm(12);
    const int rowH = picture + u.Mm(2);
    const int listColumns[] = {picture + u.Mm(4), u.Mm(44), u.Mm(80), u.Mm(96), u.Mm(138), u.Mm(160)};
    p.setFont(u.Font(11, true));
    y += text.height();
    const QString listTitles[] = {QStringLiteral("Opgave"), QStringLiteral("Sværhed"), QStringLiteral("Kørsler"),
                                  QStringLiteral("Løst"), QStringLiteral("Maskiner"), QStringLiteral("Tip")};
    for (int c = 0; c < 6; ++c)
        p.drawText(listColumns[c], y, listTitles[c]);
    y += u.Mm(2);
    const auto& tasks = log.Tasks();
    const int bottom = page.height() - text.height();
    int shown = 0;
    p.setFont(u.Font(11));
    for (auto it = tasks.rbegin(); it != tasks.rend(); ++it) {
        if (y + rowH > bottom)
            break;
        PaintPlate(p, it->Plate, QRect(0, y, picture, picture), u.Dpi());
        p.setPen(Qt::black);
        const int base = y + (picture + text.ascent()) / 2;
        p.drawText(listColumns[0], base, TaskName(it->Number));
        p.drawText(listColumns[1], base, KindName(KindOf(it->Number)));
        p.drawText(listColumns[2], base, QString::number(it->Runs));
        p.drawText(listColumns[3], base, SolvedText(*it));
        p.drawText(listColumns[4], base, MachinesText(*it));
        if (it->Tips > 0)
            p.drawText(listColumns[5], base, QString::number(it->Tips));
        y += rowH;
        ++shown;
    }
    if (shown < int(tasks.size()))
        p.drawText(0, page.height() - text.descent(),
                   QStringLiteral("... og %1 ældre opgaver").arg(int(tasks.size()) - shown));
    if (tasks.empty())
        p.drawText(0, y + text.height(), QStringLiteral("Ingen opgaver endnu."));
    return p.end();
}
