// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/task_number.h"

#include "model/generator.h"
#include "model/opgave.h"
#include "model/solver.h"

#include <QByteArray>

#include <algorithm>

namespace {

constexpr char Initials[] = {'L', 'M', 'S', 'E'};
constexpr int OwnDigits = 8; // seven of the code, one check digit

// Damm's check digit: it catches every single wrong digit and every swap of
// two neighbouring digits. Leading zeros do not change it.
int CheckDigit(std::uint32_t code)
{
    static constexpr std::uint8_t Table[10][10] = {
        {0, 3, 1, 7, 5, 9, 8, 6, 4, 2}, {7, 0, 9, 2, 1, 5, 4, 8, 6, 3}, {4, 2, 0, 6, 8, 7, 1, 3, 5, 9},
        {1, 7, 5, 0, 9, 8, 3, 4, 2, 6}, {6, 1, 2, 3, 0, 4, 5, 9, 7, 8}, {3, 6, 7, 4, 2, 0, 9, 5, 8, 1},
        {5, 8, 6, 9, 7, 2, 0, 1, 3, 4}, {8, 9, 4, 5, 3, 6, 2, 0, 1, 7}, {9, 4, 3, 8, 6, 1, 7, 2, 0, 5},
        {2, 5, 8, 1, 4, 3, 6, 7, 9, 0}};
    const QByteArray digits = QByteArray::number(code);
    int interim = 0;
    for (char c : digits)
        interim = Table[interim][c - '0'];
    return interim;
}

TOpgave PlateOfCode(std::uint32_t code)
{
    TOpgave plate;
    plate.Reset();
    plate.FAngle = std::int32_t((code >> 19) & 7) * 45;
    plate.FCentreHoles = std::uint8_t((code >> 16) & 7);
    for (int a = 0; a < 4; ++a) {
        const std::uint32_t axis = code >> (4 * a);
        plate.FCircleHoles[std::size_t(a)] = std::uint8_t(axis & 1);
        plate.FSquareHoles[std::size_t(a)] = std::uint8_t((axis >> 1) & 1);
        plate.FStripes[std::size_t(a)] = std::uint8_t((axis >> 2) & 3);
    }
    return plate;
}

bool IsDash(QChar c)
{
    // A number copied from a word processor may carry a typographic dash.
    return c == u'-' || c == QChar(0x2010) || c == QChar(0x2011) || c == QChar(0x2012) || c == QChar(0x2013) ||
           c == QChar(0x2212);
}

} // namespace

QString FormatTaskNumber(const TTaskNumber& number)
{
    const int d = std::clamp(number.Difficulty, 0, OwnTask);
    if (d == OwnTask)
        return QStringLiteral("E-") +
               QStringLiteral("%1").arg(std::uint64_t(number.Seed) * 10 + std::uint64_t(CheckDigit(number.Seed)),
                                        OwnDigits, 10, QLatin1Char('0'));
    return QChar::fromLatin1(Initials[d]) + QStringLiteral("-") + QString::number(number.Seed);
}

TNumberParse ParseTaskNumber(const QString& text, TTaskNumber& number)
{
    QString s;
    for (QChar c : text)
        if (!c.isSpace())
            s.append(c.toUpper());
    // The hyphen may be left out, as the guide says.
    if (s.size() >= 2 && IsDash(s.at(1)))
        s.remove(1, 1);
    if (s.size() < 2)
        return npMalformed;
    const auto initial = std::find(std::begin(Initials), std::end(Initials), s.at(0).toLatin1());
    if (s.at(0).unicode() > 0x7f || initial == std::end(Initials))
        return npMalformed;
    QString digits = s.mid(1);
    if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return npMalformed;
    // Leading zeros are harmless; the length check keeps the conversion from overflowing.
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    if (digits.size() > 8)
        return npOutOfRange;
    const int difficulty = int(initial - std::begin(Initials));
    if (difficulty == OwnTask) {
        const std::uint32_t value = digits.toUInt();
        const std::uint32_t code = value / 10;
        if (code > MaxOwnCode)
            return npOutOfRange;
        if (CheckDigit(code) != int(value % 10))
            return npBadCheck;
        if (FewestMachines(PlateOfCode(code)) < 0)
            return npNoPlate;
        number = TTaskNumber{OwnTask, code};
        return npOk;
    }
    const std::uint32_t seed = digits.toUInt();
    if (seed > MaxTaskSeed)
        return npOutOfRange;
    number = TTaskNumber{difficulty, seed};
    return npOk;
}

std::optional<TTaskNumber> OwnTaskNumber(const TOpgave& plate)
{
    if (plate.FLying || plate.FAngle < 0 || plate.FAngle >= 360 || plate.FAngle % 45 != 0 || plate.FCentreHoles > 7)
        return std::nullopt;
    std::uint32_t code = std::uint32_t(plate.FAngle / 45) << 19 | std::uint32_t(plate.FCentreHoles) << 16;
    for (int a = 0; a < 4; ++a) {
        const std::size_t i = std::size_t(a);
        if (plate.FCircleHoles[i] > 1 || plate.FSquareHoles[i] > 1 || plate.FStripes[i] > 3)
            return std::nullopt;
        code |= std::uint32_t(plate.FCircleHoles[i] | plate.FSquareHoles[i] << 1 | plate.FStripes[i] << 2) << (4 * a);
    }
    if (FewestMachines(plate) < 0)
        return std::nullopt;
    return TTaskNumber{OwnTask, code};
}

TOpgave TaskPlate(const TTaskNumber& number)
{
    if (number.Difficulty == OwnTask)
        return PlateOfCode(number.Seed & MaxOwnCode);
    return GenerateTask(number.Seed, number.Difficulty);
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
