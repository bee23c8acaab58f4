// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/plain_text.h"

#include <QList>

namespace {

bool KeptFormat(char32_t c)
{
    return c == 0x200C || c == 0x200D                 // zero-width non-joiner, joiner
           || (c >= 0xE0020 && c <= 0xE007F)          // tags of emoji flags
           || (c >= 0x0600 && c <= 0x0605) || c == 0x06DD || c == 0x070F || c == 0x0890 || c == 0x0891
           || c == 0x08E2 || c == 0x110BD || c == 0x110CD; // prepended number signs
}

bool Dropped(char32_t c, QChar::Category category)
{
    switch (category) {
    case QChar::Other_Control:
    case QChar::Other_Surrogate:
        return true;
    case QChar::Other_Format:
        return !KeptFormat(c);
    default:
        return false;
    }
}

} // namespace

QString PlainLine(const QString& text)
{
    const QString line = text.simplified();
    QString out;
    out.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar unit = line.at(i);
        char32_t c = unit.unicode();
        qsizetype width = 1;
        if (unit.isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(unit, line.at(i + 1));
            width = 2;
        }
        // A lone surrogate counts as Other_Surrogate.
        if (!Dropped(c, QChar::category(c)))
            out += QStringView(line).mid(i, width);
        i += width - 1;
    }
    // Dropping may leave two spaces side by side or one at an end.
    return out.simplified();
}

QString IsolatedText(const QString& text)
{
    bool needed = false;
    for (const uint c : text.toUcs4()) {
        switch (QChar::direction(c)) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirPDF:
        case QChar::DirRLI:
        case QChar::DirLRI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            needed = true;
            break;
        default:
            break;
        }
    }
    return needed ? QChar(0x2068) + text + QChar(0x2069) : text;
}
