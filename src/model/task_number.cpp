// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/task_number.h"

#include <algorithm>

namespace {

constexpr char Initials[] = {'L', 'M', 'S'};

bool IsDash(QChar c)
{
    // A number copied from a word processor may carry a typographic dash.
    return c == u'-' || c == QChar(0x2010) || c == QChar(0x2011) || c == QChar(0x2012) || c == QChar(0x2013) ||
           c == QChar(0x2212);
}

} // namespace

QString FormatTaskNumber(const TTaskNumber& number)
{
    const int d = std::clamp(number.Difficulty, 0, 2);
    return QChar::fromLatin1(Initials[d]) + QStringLiteral("-") + QString::number(number.Seed);
}

TNumberParse ParseTaskNumber(const QString& text, TTaskNumber& number)
{
    QString s;
    for (QChar c : text)
        if (!c.isSpace())
            s.append(c.toUpper());
    if (s.size() < 3 || !IsDash(s.at(1)))
        return npMalformed;
    const auto initial = std::find(std::begin(Initials), std::end(Initials), s.at(0).toLatin1());
    if (s.at(0).unicode() > 0x7f || initial == std::end(Initials))
        return npMalformed;
    QString digits = s.mid(2);
    if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return npMalformed;
    // Leading zeros are harmless; the length check keeps the conversion from overflowing.
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    if (digits.size() > 8)
        return npOutOfRange;
    const std::uint32_t seed = digits.toUInt();
    if (seed > MaxTaskSeed)
        return npOutOfRange;
    number = TTaskNumber{int(initial - std::begin(Initials)), seed};
    return npOk;
}

QString DifficultyName(int difficulty)
{
    switch (std::clamp(difficulty, 0, 2)) {
    case 0:
        return QStringLiteral("Let");
    case 1:
        return QStringLiteral("Middelsvær");
    default:
        return QStringLiteral("Svær");
    }
}

QString OwnPlateName()
{
    return QStringLiteral("Egen plade");
}

QString TaskName(const std::optional<TTaskNumber>& number)
{
    return number ? FormatTaskNumber(*number) : OwnPlateName();
}
