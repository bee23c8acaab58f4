// SPDX-License-Identifier: GPL-3.0-or-later
// A compact notation for machine lines and plates, so rule tables stay readable.
//   r<setting>            rotating machine          r0 = 45 degrees ... r3 = 180
//   h<count><c|s|x>       hole machine, circle/square/shape 2
//   s<setting>            stripe machine            s0 thin ... s2 thick
//   n                     empty slot
//   k<kind>               a record of an unknown kind
#pragma once

#include "model/opgave.h"

#include <QString>
#include <QStringList>

#include <vector>

inline std::vector<TMachineRec> ParseLine(const QString& text)
{
    std::vector<TMachineRec> line;
    const QStringList tokens = text.split(u' ', Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        TMachineRec rec;
        const QChar tag = token.at(0);
        if (tag == u'r' || tag == u's') {
            rec.Kind = tag == u'r' ? mcRotate : mcStripe;
            rec.Setting = std::uint8_t(token.mid(1).toUInt());
        } else if (tag == u'h') {
            rec.Kind = mcHoles;
            rec.Setting = std::uint8_t(token.mid(1, token.size() - 2).toUInt());
            const QChar shape = token.back();
            rec.Shape = shape == u'c' ? 0 : shape == u's' ? 1 : 2;
        } else if (tag == u'k') {
            rec.Kind = std::uint8_t(token.mid(1).toUInt());
        } else {
            rec.Kind = mcNone;
        }
        line.push_back(rec);
    }
    return line;
}

inline QString FormatLine(const std::vector<TMachineRec>& line)
{
    QStringList tokens;
    for (const TMachineRec& rec : line) {
        switch (rec.Kind) {
        case mcRotate:
            tokens << QStringLiteral("r") + QString::number(rec.Setting);
            break;
        case mcHoles:
            tokens << QStringLiteral("h") + QString::number(rec.Setting) + QChar(rec.Shape == 0 ? u'c' : rec.Shape == 1 ? u's' : u'x');
            break;
        case mcStripe:
            tokens << QStringLiteral("s") + QString::number(rec.Setting);
            break;
        case mcNone:
            tokens << QStringLiteral("n");
            break;
        default:
            tokens << QStringLiteral("k") + QString::number(rec.Kind);
            break;
        }
    }
    return tokens.join(u' ');
}

inline TOpgave PlateFromLine(const QString& text)
{
    TOpgave plate;
    plate.Reset();
    for (const TMachineRec& rec : ParseLine(text))
        plate.ApplyMachine(rec);
    return plate;
}

inline QString Digits(const std::array<std::uint8_t, 4>& values)
{
    QString s;
    for (std::uint8_t v : values)
        s += QString::number(v);
    return s;
}

// Everything that makes up a plate's identity, in one comparable line:
// "<angle> c<centre holes> o<circle pairs> q<square pairs> s<stripes>".
inline QString DescribePlate(const TOpgave& plate)
{
    return QString::number(plate.FAngle) + QStringLiteral(" c") + QString::number(plate.FCentreHoles) + QStringLiteral(" o")
        + Digits(plate.FCircleHoles) + QStringLiteral(" q") + Digits(plate.FSquareHoles) + QStringLiteral(" s")
        + Digits(plate.FStripes);
}
