// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds.h"

#include "encoders.h"

#include <QtEndian>

#include <cmath>
#include <vector>

namespace sounds {

namespace {

// Scales to a safe peak, fades both ends and converts to unsigned 8 bits.
QByteArray ToPcm(std::vector<double> s, double peak, int fadeInSamples, int fadeOutSamples)
{
    double top = 0;
    for (double v : s)
        top = std::max(top, std::abs(v));
    const double gain = top > 0 ? peak / top : 0;
    const int n = int(s.size());
    QByteArray out(n, char(128));
    for (int i = 0; i < n; ++i) {
        double v = s[size_t(i)] * gain;
        if (i < fadeInSamples)
            v *= 0.5 - 0.5 * std::cos(M_PI * i / fadeInSamples);
        if (i >= n - fadeOutSamples)
            v *= 0.5 - 0.5 * std::cos(M_PI * (n - 1 - i) / fadeOutSamples);
        const long q = std::lround(128.0 + v * 127.0);
        out[i] = char(std::clamp(q, 1L, 255L));
    }
    return out;
}

} // namespace

QByteArray Chime()
{
    // A rising major arpeggio of little bells, each with a bright overtone
    // and a soft exponential ring.
    const double notes[] = {783.99, 987.77, 1174.66, 1567.98}; // G5 B5 D6 G6
    const double starts[] = {0.0, 0.12, 0.24, 0.38};
    std::vector<double> s(size_t(kOkBytes), 0.0);
    for (int k = 0; k < 4; ++k) {
        const int first = int(starts[k] * kRate);
        const double decay = k == 3 ? 2.6 : 4.0;
        for (int i = first; i < kOkBytes; ++i) {
            const double t = double(i - first) / kRate;
            const double attack = std::min(1.0, t / 0.004);
            const double env = attack * std::exp(-decay * t);
            const double f = notes[k];
            s[size_t(i)] += env * (std::sin(2 * M_PI * f * t) + 0.35 * std::sin(2 * M_PI * 2 * f * t) * std::exp(-6 * t) +
                                   0.12 * std::sin(2 * M_PI * 3.01 * f * t) * std::exp(-9 * t));
        }
    }
    return ToPcm(std::move(s), 0.82, 110, 2200);
}

QByteArray Buzz()
{
    // Two low notes going down, a soft reedy tone (a few odd harmonics) with
    // a little vibrato: clearly "wrong", not harsh.
    std::vector<double> s(size_t(kWrongBytes), 0.0);
    const double notes[] = {196.0, 146.83}; // G3 then D3
    const int half = kWrongBytes / 2;
    for (int i = 0; i < kWrongBytes; ++i) {
        const int which = i < half ? 0 : 1;
        const int local = which ? i - half : i;
        const double t = double(local) / kRate;
        const double len = double(which ? kWrongBytes - half : half) / kRate;
        const double f = notes[which] * (1.0 + 0.006 * std::sin(2 * M_PI * 6 * t));
        double v = 0;
        const double amp[] = {1.0, 0.0, 0.32, 0.0, 0.14, 0.0, 0.06};
        for (int h = 1; h <= 7; ++h)
            v += amp[h - 1] * std::sin(2 * M_PI * h * f * t);
        // each note swells in and falls away so the two are heard apart
        const double env = std::min(1.0, t / 0.02) * std::min(1.0, (len - t) / 0.06) * (1.0 - 0.35 * t / len);
        s[size_t(i)] = v * std::max(0.0, env);
    }
    return ToPcm(std::move(s), 0.7, 90, 900);
}

QByteArray OkWave()
{
    QByteArray info("INFO", 4);
    info += RiffChunk("INAM", QByteArrayLiteral("Rigtigt\0"));
    info += RiffChunk("ICMT", QByteArrayLiteral("Vorlen: pladen er rigtig\0"));
    info += RiffChunk("ISFT", QByteArrayLiteral("vorlen-assets\0"));
    QByteArray disp;
    char type[4];
    qToLittleEndian<quint32>(1, type); // plain text
    disp.append(type, 4);
    disp += QByteArrayLiteral("Rigtigt\0");
    const QByteArray tail = RiffChunk("LIST", info) + RiffChunk("DISP", disp);
    return EncodeWave(Chime(), kRate, tail);
}

QByteArray WrongWave()
{
    return EncodeWave(Buzz(), kRate, QByteArray());
}

} // namespace sounds
