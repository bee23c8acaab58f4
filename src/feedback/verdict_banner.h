// SPDX-License-Identifier: GPL-3.0-or-later
// The verdict in words: a banner in the sky left of the roof's sign, "Rigtigt!"
// with a few stars or "Prøv igen" with what differs. "Rigtigt!" fades out as
// the lamp's blinking ends; "Prøv igen" stays until the floor, the task or
// the run's result changes.
#pragma once

#include "floor/braet_floor.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QVector>
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
    // The last line of a wrong answer's hint: where to look closer.
    static QString ClickLine();

    static constexpr int LifeMs = 3500; // as long as the lamp blinks
    static constexpr int FadeMs = 1000;
    static constexpr int StarsMs = 1500;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Tick();
    bool Fades() const;
    TVerdict FVerdict = vdRight;
    QString FTitle;
    QStringList FHint;
    QVector<int> FHintLines; // screen lines of each, wrapped
    QElapsedTimer FAge;
    QTimer FFrames;
};
