// SPDX-License-Identifier: GPL-3.0-or-later
// The verdict in words: a banner on the roof beside the lamps, "Rigtigt!"
// with a few stars or "Prøv igen" with what differs. It fades out as the
// lamp's blinking ends and goes with the run's result.
#pragma once

#include "floor/braet_floor.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class TfmBraet;

class TVerdictBanner : public QWidget {
    Q_OBJECT
public:
    explicit TVerdictBanner(TfmBraet& window);

    void Show(TVerdict verdict, const QStringList& hint);
    void Drop();

    QString Title() const { return FTitle; }
    const QStringList& Hint() const { return FHint; }

    static constexpr int LifeMs = 3500; // as long as the lamp blinks
    static constexpr int FadeMs = 1000;
    static constexpr int StarsMs = 1500;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Tick();
    TVerdict FVerdict = vdRight;
    QString FTitle;
    QStringList FHint;
    QElapsedTimer FAge;
    QTimer FFrames;
};
