// SPDX-License-Identifier: GPL-3.0-or-later
// The verdict in words: a banner in the sky left of the roof's sign, "Rigtigt!"
// with a few stars or "Prøv igen" with what differs. "Rigtigt!" fades out as
// the lamp's blinking ends and rates the line against the shortest one;
// "Prøv igen" stays until the floor, the task or the run's result changes.
// In its tip style it shows a tip, without stars, until the floor, the task
// or the run changes.
#pragma once

#include "base/clock_timer.h"
#include "floor/braet_floor.h"

#include <QStringList>
#include <QVector>
#include <QWidget>

#include <cstdint>
#include <optional>

class TfmBraet;

class TVerdictBanner : public QWidget {
    Q_OBJECT
public:
    explicit TVerdictBanner(TfmBraet& window);

    // `stars`: the rating of a right line (1..3), 0 for none.
    void Show(TVerdict verdict, const QStringList& hint, int stars = 0);
    void ShowTip(const QString& tip);
    void Drop();

    QString Title() const { return FTitle; }
    const QStringList& Hint() const { return FHint; }
    int Stars() const { return FStars; }
    bool ShowsTip() const { return FTip && isVisible(); }
    // The last line of a wrong answer's hint: where to look closer.
    static QString ClickLine();

    static constexpr int LifeMs = 3500; // as long as the lamp blinks
    static constexpr int FadeMs = 1000;
    static constexpr int StarsMs = 1500;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Place();
    void Tick();
    bool Fades() const;
    // Milliseconds on the clock since the verdict was shown; 0 for a tip.
    std::uint32_t Age() const;
    TVerdict FVerdict = vdRight;
    QString FTitle;
    QStringList FHint;
    QVector<int> FHintLines; // screen lines of each, wrapped
    int FStars = 0;
    bool FTip = false;
    std::optional<std::uint32_t> FShownAt; // the clock's tick
    TClockTimer FFrames;
};
