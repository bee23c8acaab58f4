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

// "Vorlen – opgaveark, Middelsvær" at the left; lines to write the name and the
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

    // Smaller where the paper leaves a cell less room (Letter is shorter).
    const int side = std::max(1, std::min({u.Mm(40), cell.width() - 2 * pad,
                                           cell.height() - 2 * pad - title.height() - u.Mm(9)}));
    const QRect plate(cell.left() + (cell.width() - side) / 2, cell.top() + pad + title.height(), side, side);
    PaintPlate(p, TaskPlate(number), plate, u.Dpi());

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


QString ShortestText(int machines)
{
    return machines == 1 ? QStringLiteral("Korteste løsning: 1 maskine")
                         : QStringLiteral("Korteste løsning: %1 maskiner").arg(machines);
}

// The answer key's pages: each task's number, the length of its shortest
// line and one such line, in two columns per page; the first page says that
// the line given is not the only right one. Laid out once to count the pages
// (for the footers) and once to paint; `firstPage` and `pages` number them
// within the whole document. Returns the number of pages the key takes.
int AnswerKeyPages(QPainter* p, QPrinter& printer, const TPageUnits& u, const QRect& page,
                   const std::vector<TTaskNumber>& tasks, const QDate& date, const QString& sheetTitle, int firstPage,
                   int pages, bool afterSheet)
{
    const bool paint = p != nullptr;
    const QFont headFont = u.Font(16, true);
    const QFont subFont = u.Font(11);
    const QFont bold = u.Font(11, true);
    const QFont plain = u.Font(10.5);
    const QFontMetrics head(headFont, &printer);
    const QFontMetrics sub(subFont, &printer);
    const QFontMetrics line(plain, &printer);
    const QFontMetrics boldLine(bold, &printer);
    const QString title = sheetTitle + QStringLiteral(", ") + QLocale().toString(date, QLocale::LongFormat);
    const int firstTop = head.height() + 2 * sub.height() + sub.descent() + u.Mm(5);
    const int laterTop = head.height() + sub.height() + sub.descent() + u.Mm(5);
    const int columnW = page.width() / 2;
    const int bottom = page.height() - u.Mm(10);

    int used = 0;
    const auto beginPage = [&] {
        if (paint) {
            if (used > 0 || afterSheet)
                printer.newPage();
            p->setPen(Qt::black);
            p->setFont(headFont);
            p->drawText(0, head.ascent(),
                        used == 0 ? QStringLiteral("Facitliste") : QStringLiteral("Facitliste (fortsat)"));
            p->setFont(subFont);
            int y = head.height() + sub.ascent();
            p->drawText(0, y, title);
            if (used == 0) {
                y += sub.height();
                p->drawText(0, y, QStringLiteral("For hver opgave en af de korteste løsninger. Andre rækker af "
                                                 "maskiner kan give den samme plade."));
            }
            const int top = used == 0 ? firstTop : laterTop;
            p->setPen(QPen(Qt::black, u.Mm(0.3)));
            p->drawLine(0, top - u.Mm(2), page.width(), top - u.Mm(2));
        }
        ++used;
    };
    const auto endPage = [&] {
        if (paint)
            PaintFooter(*p, u, page, firstPage + used - 1, pages);
    };

    beginPage();
    int column = 0;
    int y = firstTop;
    for (const TTaskNumber& task : tasks) {
        const QStringList words = AnswerLine(task);
        const int need = std::max(line.height(), boldLine.height()) + line.height() * int(words.size()) + u.Mm(3);
        const int top = used == 1 ? firstTop : laterTop;
        if (y + need > bottom && y > top) {
            column = 1 - column;
            if (column == 0) {
                endPage();
                beginPage();
            }
            y = used == 1 ? firstTop : laterTop;
        }
        const int x = column * columnW;
        int at = y + std::max(line.height(), boldLine.height());
        if (paint) {
            p->setPen(Qt::black);
            p->setFont(bold);
            const QString number = FormatTaskNumber(task);
            p->drawText(x, at, number);
            p->setFont(plain);
            p->drawText(x + boldLine.horizontalAdvance(number) + u.Mm(3), at, ShortestText(int(words.size())));
            for (int k = 0; k < words.size(); ++k) {
                at += line.height();
                p->drawText(x + u.Mm(5), at, QStringLiteral("%1. %2").arg(k + 1).arg(words.at(k)));
            }
        }
        y += need;
    }
    endPage();
    return used;
}

} // namespace

QString SheetTitle(const std::vector<TTaskNumber>& tasks)
{
    const bool one = !tasks.empty() && std::all_of(tasks.begin(), tasks.end(), [&](const TTaskNumber& t) {
        return t.Difficulty == tasks.front().Difficulty;
    });
    if (!one)
        return QStringLiteral("Vorlen – opgaveark");
    const int kind = tasks.front().Difficulty;
    return QStringLiteral("Vorlen – opgaveark, ") + (kind == OwnTask ? OwnPlateName() : DifficultyName(kind));
}

bool PrintWorksheet(QPrinter& printer, const std::vector<TTaskNumber>& tasks, const QDate& date, TAnswerKeyPlace key,
                    int copies, const QString& title)
{
    if (tasks.empty() || copies < 1)
        return false;
    QPainter p;
    const QRect page = BeginDocument(printer, p, QStringLiteral("Vorlen – opgaveark"));
    if (page.isEmpty())
        return false;
    const TPageUnits u(printer);
    const QString heading = title.isEmpty() ? SheetTitle(tasks) : title;
    const int taskPages = (int(tasks.size()) + WorksheetTasksPerPage - 1) / WorksheetTasksPerPage;
    const int keyPages =
        key == akLastPage ? AnswerKeyPages(nullptr, printer, u, page, tasks, date, heading, 0, 0, false) : 0;
    // One sheet numbers its pages with the key's; of a class set each sheet
    // is numbered on its own, and so is the key.
    const bool set = copies > 1;
    const int pages = set ? taskPages : taskPages + keyPages;

    for (int copy = 0; copy < copies; ++copy) {
        for (int pageNo = 0; pageNo < taskPages; ++pageNo) {
            if (pageNo > 0 || copy > 0)
                printer.newPage();
            const int top = PaintHeader(p, u, page.width(), heading);
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
    }
    if (keyPages > 0)
        AnswerKeyPages(&p, printer, u, page, tasks, date, heading, set ? 1 : taskPages + 1,
                       set ? keyPages : pages, true);
    return p.end();
}

bool PrintAnswerKey(QPrinter& printer, const std::vector<TTaskNumber>& tasks, const QDate& date, const QString& title)
{
    if (tasks.empty())
        return false;
    QPainter p;
    const QRect page = BeginDocument(printer, p, QStringLiteral("Vorlen – facitliste"));
    if (page.isEmpty())
        return false;
    const TPageUnits u(printer);
    const QString heading = title.isEmpty() ? SheetTitle(tasks) : title;
    const int pages = AnswerKeyPages(nullptr, printer, u, page, tasks, date, heading, 0, 0, false);
    AnswerKeyPages(&p, printer, u, page, tasks, date, heading, 1, pages, false);
    return p.end();
}
