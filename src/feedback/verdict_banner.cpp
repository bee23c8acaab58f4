// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/verdict_banner.h"

#include "base/clock.h"
#include "game/braet.h"
#include "game/seam.h"
#include "model/plate_diff.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// In the sky and on the roof left of the "VORLEN" sign (which begins at
// x 316), over the sun: the one free place high enough for a few lines. It
// grows downwards with the hint, whose lines wrap to its width.
constexpr int Left = 8;
constexpr int Width = 302;
constexpr int Top = 46;
constexpr int TitlePx = 22;
constexpr int HintPx = 13;
constexpr int HintLine = HintPx + 3;
constexpr int Pad = 8;
constexpr int StarRowPx = 22;

QRect HintRect(int y, int lines)
{
    return {Pad, y, Width - 2 * Pad, lines * HintLine};
}

int Lines(const QFontMetrics& metrics, const QString& text)
{
    const QRect r = metrics.boundingRect(HintRect(0, 1), Qt::TextWordWrap | Qt::AlignHCenter, text);
    return std::max(1, (r.height() + metrics.lineSpacing() / 2) / metrics.lineSpacing());
}

QFont BannerFont(const QWidget& w, int px, bool bold)
{
    QFont f = w.font();
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

void Star(QPainter& p, const QPointF& at, double radius, double turn, bool earned = true)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? radius * 0.45 : radius;
        const double a = turn + M_PI * i / 5 - M_PI / 2;
        const QPointF pt = at + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    p.setPen(QPen(earned ? QColor(0xb0, 0x70, 0x00) : QColor(0xb4, 0xb4, 0xb4), 1));
    p.setBrush(earned ? QColor(0xff, 0xd2, 0x2e) : QColor(0xec, 0xec, 0xec));
    p.drawPath(path);
}

} // namespace

TVerdictBanner::TVerdictBanner(TfmBraet& window) : QWidget(&window)
{
    setObjectName(QStringLiteral("VerdictBanner"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    FFrames.setInterval(40);
    connect(&FFrames, &TClockTimer::timeout, this, [this] { Tick(); });

    connect(&window, &TfmBraet::VerdictShown, this, [this, seam = TBraetSeam(window)](TVerdict verdict) {
        QStringList hint;
        int stars = 0;
        if (verdict == vdWrong && seam.ProducedPlate() && seam.Task()) {
            hint = DifferenceHint(*seam.ProducedPlate(), *seam.Task());
            hint << ClickLine();
        }
        if (verdict == vdRight) {
            const TLineRating& rating = seam.LastRun().Rating;
            if (!rating.Sentence.isEmpty())
                hint = QStringList{rating.Sentence};
            stars = rating.Stars;
        }
        Show(verdict, hint, stars);
    });
    // The verdict belongs to the run's result and to the line that made it.
    connect(&window, &TBraetFloor::PlateCleared, this, &TVerdictBanner::Drop);
    connect(&window, &TBraetFloor::FloorChanged, this, &TVerdictBanner::Drop);
    connect(&window, &TfmBraet::TaskChanged, this, &TVerdictBanner::Drop);
}

QString TVerdictBanner::ClickLine()
{
    return QStringLiteral("Klik på din plade for at se forskellen");
}

void TVerdictBanner::Show(TVerdict verdict, const QStringList& hint, int stars)
{
    FTip = false;
    FVerdict = verdict;
    FStars = verdict == vdRight ? std::clamp(stars, 0, 3) : 0;
    FTitle = verdict == vdRight ? QStringLiteral("Rigtigt!") : QStringLiteral("Prøv igen");
    FHint = hint;
    Place();
    FShownAt = CurrentClock().Tick();
    FFrames.start();
}

void TVerdictBanner::ShowTip(const QString& tip)
{
    FTip = true;
    FStars = 0;
    FTitle = QStringLiteral("Tip");
    FHint = QStringList{tip};
    Place();
    // It stays, so it needs no frames.
    FFrames.stop();
    FShownAt.reset();
}

void TVerdictBanner::Place()
{
    setAccessibleName((QStringList{FTitle} + FHint).join(QStringLiteral(". ")));
    const QFontMetrics metrics(BannerFont(*this, HintPx, false));
    FHintLines.clear();
    int lines = 0;
    for (const QString& line : FHint) {
        FHintLines << Lines(metrics, line);
        lines += FHintLines.last();
    }
    const int height = Pad + TitlePx + 6 + (FStars ? StarRowPx : 0) + lines * HintLine + Pad;
    setGeometry(Left, Top, Width, height);
    raise();
    show();
    update();
}

void TVerdictBanner::Drop()
{
    FFrames.stop();
    FTip = false;
    hide();
}

bool TVerdictBanner::Fades() const
{
    // A wrong answer's hint and a tip stay until the pupil changes
    // something: a slow reader needs them.
    return !FTip && FVerdict == vdRight;
}

std::uint32_t TVerdictBanner::Age() const
{
    return FShownAt ? CurrentClock().Tick() - *FShownAt : 0;
}

void TVerdictBanner::Tick()
{
    if (FTip)
        return;
    if (!Fades() && Age() >= std::uint32_t(StarsMs))
        FFrames.stop(); // nothing moves any more
    else if (Fades() && Age() >= std::uint32_t(LifeMs))
        Drop();
    else
        update();
}

void TVerdictBanner::paintEvent(QPaintEvent*)
{
    const qint64 age = Age();
    const double fade = Fades() ? std::clamp(double(LifeMs - age) / FadeMs, 0.0, 1.0) : 1.0;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(fade);

    const bool right = !FTip && FVerdict == vdRight;
    const QColor ink = FTip ? QColor(0x1b, 0x4f, 0xa8) : right ? QColor(0x1e, 0x8c, 0x2d) : QColor(0xc8, 0x3c, 0x1e);
    const QRectF panel = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(QPen(ink, 3));
    p.setBrush(QColor(0xff, 0xfb, 0xe8));
    p.drawRoundedRect(panel, 10, 10);

    p.setPen(ink);
    p.setFont(BannerFont(*this, TitlePx, true));
    const QRect titleRect(0, Pad, width(), TitlePx + 4);
    p.drawText(titleRect, Qt::AlignCenter, FTitle);

    int y = Pad + TitlePx + 6;
    // The rating: earned stars in gold, the rest in grey, read at a glance.
    if (FStars) {
        for (int i = 0; i < 3; ++i)
            Star(p, QPointF(width() / 2.0 + (i - 1) * 24, y + StarRowPx / 2.0 - 2), 9, 0, i < FStars);
        y += StarRowPx;
    }

    p.setFont(BannerFont(*this, HintPx, false));
    for (int i = 0; i < FHint.size(); ++i) {
        const int lines = i < FHintLines.size() ? FHintLines[i] : 1;
        // What to do next stands apart from what differs.
        p.setPen(FHint[i] == ClickLine() ? QColor(0x1d, 0x4f, 0x9c) : QColor(0x30, 0x30, 0x30));
        p.drawText(HintRect(y, lines), Qt::AlignCenter | Qt::TextWordWrap, FHint[i]);
        y += lines * HintLine;
    }

    // A short celebration: stars twinkle in turn beside the title.
    if (right && age < StarsMs) {
        const double w = width();
        const QPointF places[] = {{30, 14}, {w - 30, 14}, {62, 30}, {w - 62, 30}, {48, 8}, {w - 48, 8}};
        for (int i = 0; i < 6; ++i) {
            const double t = double(age - 120 * i) / (StarsMs - 120 * 5);
            if (t <= 0 || t >= 1)
                continue;
            Star(p, places[i], 4 + 5 * std::sin(M_PI * t), t * M_PI);
        }
    }
}
