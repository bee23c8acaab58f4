// SPDX-License-Identifier: GPL-3.0-or-later
// Tips on request: the light-bulb button in the tool bar (and F8) gives, one
// press at a time, the length of a shortest line for the task shown, the
// kinds of machine in it, then its machines one by one. The tip shows in the
// verdict banner and a screen reader hears it; nothing is placed on the floor.
#pragma once

#include "game/seam.h"
#include "shell/alert_status.h"

#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <QWidget>

class QToolButton;
class TfmBraet;
class TVerdictBanner;

// Heard, never seen: an alert that appears anew with each tip, which makes a
// screen reader say it at once.
class TTipStatus : public TAlertStatus {
    Q_OBJECT
public:
    explicit TTipStatus(QWidget* parent) : TAlertStatus(parent, QStringLiteral("TipStatus")) {}
};

class TTips : public QObject {
    Q_OBJECT
public:
    TTips(TfmBraet& window, TVerdictBanner& banner);
    ~TTips() override;

    void bbTipClick();
    // The tip the next press gives (0 = the first).
    int Next() const { return FNext; }

    QToolButton* bbTip = nullptr;
    TTipStatus* Status() const { return FStatus; }

private:
    void TaskChanged();
    TBraetSeam FSeam;
    TVerdictBanner& FBanner;
    TTipStatus* FStatus = nullptr;
    QStringList FTips; // for the task shown; made at the first press
    bool FTipsMade = false;
    int FNext = 0;
    // Builds the solver's table off the window's thread; its destructor
    // waits for that, so closing during the build is clean.
    QThreadPool FPool;
    bool FPrepared = false;
};
