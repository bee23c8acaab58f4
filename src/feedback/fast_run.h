// SPDX-License-Identifier: GPL-3.0-or-later
// The fast run: a toggle in the tool bar (and F6) that makes every wait of
// the run, the tilts, the machine animations and the slide four times shorter.
#pragma once

#include <QObject>

class QToolButton;
class TfmBraet;

class TFastRun : public QObject {
    Q_OBJECT
public:
    explicit TFastRun(TfmBraet& window);
    ~TFastRun() override;

    QToolButton* bbHurtig = nullptr;
    static constexpr double Factor = 0.25;
};
