// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears beyond the controls' names: the slots' contents,
// the task and the produced plate in words, and the verdict when the lamp
// lights.
#pragma once

#include "game/seam.h"
#include "shell/alert_status.h"

#include <QObject>
#include <QWidget>

class TfmBraet;

// A status element behind the lamps that speaks the verdict: its accessible
// name becomes "Forkert" or "Rigtigt" with the rating of the line (the
// banner's words) and it appears anew (an alert), which
// makes a screen reader say it at once.
class TVerdictStatus : public TAlertStatus {
    Q_OBJECT
public:
    explicit TVerdictStatus(QWidget* parent) : TAlertStatus(parent, QStringLiteral("VerdictStatus")) {}
};

class TScreenReader : public QObject {
    Q_OBJECT
public:
    explicit TScreenReader(TfmBraet& window);
    TVerdictStatus* Status() const { return FStatus; }

private:
    void TaskChanged();
    void PlateChanged();
    TBraetSeam FWindow;
    TVerdictStatus* FStatus = nullptr;
};
