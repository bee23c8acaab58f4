// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/worksheet_print.h"

#include "classroom/print_page.h"
#include "model/answer_key.h"
#include "model/generator.h"

#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

const QColor Rule(150, 150, 150);

// "Vorlen - opgaveark, Middel" at the left; lines to write the name and the
// date on at the right. Returns the bottom of the header.
int PaintHeader(QPainter& p, const TPageUnits& u, int width, const QString& title)
{
    p.setPen(Qt::black);
    p.setFont(u.Font(13, true));
    const QFontMetrics big(p.font(), p.device());
    p.drawText(0, big.ascent(), title);

    p.setFont(u.Font(11));
    const QFontMetrics small(p.font(), p.device());
    const int base = big.ascent();
    const QString name = QStringLiteral("Navn:");
    const QString date = QStringLiteral("Dato:");
    const int dateLine = u.Mm(30);
    const int nameLine = u.Mm(55);
    int x = width - dateLine;
    p.drawText(x - small.horizontalAdvance(date) - u.Mm(1), base, date);
    p.drawLine(x, base + u.Mm(0.5), width, base + u.Mm(0.5));
    x -= small.horizontalAdvance(date) + u.Mm(6) + nameLine;
    p.drawText(x - small.horizontalAdvance(name) - u.Mm(1), base, name);
    p.drawLine(x, base + u.Mm(0.5), x + nameLine, base + u.Mm(0.5));
    const int bottom = base + big.descent() + u.Mm(2);
    p.setPen(QPen(Qt::black, u.Mm(0.3)));
    p.drawLine(0, bottom, width, bottom);
    return bottom + u.Mm(4);
}

void PaintFooter(QPainter& p, const TPageUnits& u, const QRect& page, int pageNo, int pages)
{
    p.setPen(Qt::black);
    p.setFont(u.Font(9));
    p.drawText(QRect(0, page.height() - u.Mm(6), page.width(), u.Mm(6)), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("Side %1 af %2").arg(pageNo).arg(pages));
}

void PaintTaskCell(QPainter& p, const TPageUnits& u, const QRect& cell, const TTaskNumber& number)
{
    p.setPen(QPen(Rule, u.Mm(0.3)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cell, u.Mm(2), u.Mm(2));

    const int pad = u.Mm(3);
    p.setPen(Qt::black);
    p.setFont(u.Font(12, true));
    const QFontMetrics title(p.font(), p.device());
    p.drawText(cell.left() + pad, cell.top() + pad + title.ascent(), FormatTaskNumber(number));

    const int side = std::min(u.Mm(40), cell.width() - 2 * pad);
    const QRect plate(cell.left() + (cell.width() - side) / 2, cell.top() + pad + title.height(), side, side);
    PaintPlate(p, GenerateTask(number.Seed, number.Difficulty), plate, u.Dpi());

    // Room to write the line of machines.
    p.setFont(u.Font(10));
    const QFontMetrics text(p.font(), p.device());
    int y = plate.bottom() + u.Mm(7);
    p.drawText(cell.left() + pad, y, QStringLiteral("Maskiner:"));
    const int lineLeft = cell.left() + pad + text.horizontalAdvance(QStringLiteral("Maskiner:")) + u.Mm(2);
    p.setPen(QPen(Rule, u.Mm(0.2)));
    for (; y <= cell.bottom() - pad; y += u.Mm(8)) {
        p.drawLine(y == plate.bottom() + u.Mm(7) ? lineLeft : cell.left() + pad, y, cell.right() - pad, y);
    }
}

// Where each task's answer goes: the key's page (0 for its first) and the
// top left of its block.
struct TKeyPlace {
    int Page = 0;
    QPoint TopLeft;
};

// The answer key's header: its title, the sheet it belongs to, and the note
// that the line given is not the only right one. Returns its bottom.
int PaintKeyHeader(QPainter& p, const TPageUnits& u, int width, const QString& kind, const QDate& date,
                   bool continued)
{
    p.setPen(Qt::black);
    p.setFont(u.Font(16, true));
    const QFontMetrics head(p.font(), p.device());
    p.drawText(0, head.ascent(), continued ? QStringLiteral("Facitliste (fortsat)") : QStringLiteral("Facitliste"));
    p.setFont(u.Font(11));
    const QFontMetrics sub(p.font(), p.device());
    int y = head.height() + sub.ascent();
    p.drawText(0, y, QStringLiteral("Vorlen - opgaveark, %1, %2").arg(kind, QLocale().toString(date, QLocale::LongFormat)));
    if (!continued) {
        y += sub.height();
        p.drawText(0, y, QStringLiteral("For hver opgave en af de korteste løsninger. Andre rækker af maskiner kan "
                                        "give den samme plade."));
    }
    const int top = y + sub.descent() + u.Mm(5);
    p.setPen(QPen(Qt::black, u.Mm(0.3)));
    p.drawLine(0, top - u.Mm(2), width, top - u.Mm(2));
    return top;
}

QString ShortestText(int machines)
{
    return machines == 1 ? QStringLiteral("Korteste løsning: 1 maskine")
                         : QStringLiteral("Korteste løsning: %1 maskiner").arg(machines);
}

} // namespace

bool PrintWorksheet(QPrinter& printer, const std::vector<TTaskNumber>& tasks, const QDate& date)
{
    if (tasks.empty())
        return false;
    QPainter p;
    const QRect page = BeginA4Document(printer, p, QStringLiteral("Vorlen - opgaveark"));
    if (page.isEmpty())
        return false;
    const TPageUnits u(printer);
    const int difficulty = tasks.front().Difficulty;
    const int taskPages = (int(tasks.size()) + WorksheetTasksPerPage - 1) / WorksheetTasksPerPage;
    const QString kind = DifficultyName(difficulty);

    // The answer key is laid out first: a long one (seven machines a task)
    // runs onto a second page, and every footer counts the pages.
    std::vector<QStringList> answers;
    for (const TTaskNumber& task : tasks)
        answers.push_back(AnswerLine(task));
    const QFont bold = u.Font(11, true);
    const QFont plain = u.Font(10.5);
    const QFontMetrics line(plain, p.device());
    const QFontMetrics boldLine(bold, p.device());
    const QFontMetrics sub(u.Font(11), p.device());
    const QFontMetrics head(u.Font(16, true), p.device());
    const int firstTop = head.height() + 2 * sub.height() + sub.descent() + u.Mm(5);
    const int laterTop = head.height() + sub.height() + sub.descent() + u.Mm(5);
    const int columnW = page.width() / 2;
    const int bottom = page.height() - u.Mm(10);
    std::vector<TKeyPlace> places;
    {
        int keyPage = 0, column = 0;
        int y = firstTop;
        for (const QStringList& words : answers) {
            const int need = std::max(line.height(), boldLine.height()) + line.height() * int(words.size()) + u.Mm(3);
            const int top = keyPage == 0 ? firstTop : laterTop;
            if (y + need > bottom && y > top) {
                if (column == 1)
                    ++keyPage;
                column = 1 - column;
                y = keyPage == 0 ? firstTop : laterTop;
            }
            places.push_back({keyPage, QPoint(column * columnW, y)});
            y += need;
        }
    }
    const int pages = taskPages + places.back().Page + 1;

    for (int pageNo = 0; pageNo < taskPages; ++pageNo) {
        if (pageNo > 0)
            printer.newPage();
        const int top = PaintHeader(p, u, page.width(), QStringLiteral("Vorlen - opgaveark, ") + kind);
        const int gap = u.Mm(4);
        const int footer = u.Mm(8);
        const int cellW = (page.width() - gap) / 2;
        const int cellH = (page.height() - top - footer - 2 * gap) / 3;
        for (int i = 0; i < WorksheetTasksPerPage; ++i) {
            const std::size_t index = std::size_t(pageNo * WorksheetTasksPerPage + i);
            if (index >= tasks.size())
                break;
            const QRect cell((i % 2) * (cellW + gap), top + (i / 2) * (cellH + gap), cellW, cellH);
            PaintTaskCell(p, u, cell, tasks[index]);
        }
        PaintFooter(p, u, page, pageNo + 1, pages);
    }

    // The answer key: each task's number, the length of its shortest line
    // and one such line.
    int keyPage = -1;
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        if (places[i].Page != keyPage) {
            keyPage = places[i].Page;
            printer.newPage();
            PaintKeyHeader(p, u, page.width(), kind, date, keyPage > 0);
            PaintFooter(p, u, page, taskPages + keyPage + 1, pages);
        }
        const QStringList& words = answers[i];
        const int x = places[i].TopLeft.x();
        int y = places[i].TopLeft.y() + std::max(line.height(), boldLine.height());
        p.setPen(Qt::black);
        p.setFont(bold);
        const QString number = FormatTaskNumber(tasks[i]);
        p.drawText(x, y, number);
        p.setFont(plain);
        p.drawText(x + boldLine.horizontalAdvance(number) + u.Mm(3), y, ShortestText(int(words.size())));
        for (int k = 0; k < words.size(); ++k) {
            y += line.height();
            p.drawText(x + u.Mm(5), y, QStringLiteral("%1. %2").arg(k + 1).arg(words.at(k)));
        }
    }
    return p.end();
}
