// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: beside the game, non-modal, showing the statistics
// of this run of the program. It only shows; the classroom wiring tells it
// what to show and acts on its buttons.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QTreeWidget;
class TStatsLog;

class TfmStatistik : public QWidget {
    Q_OBJECT
public:
    explicit TfmStatistik(QWidget* parent);

    // `now`: the clock's tick, for the time on the task shown.
    void ShowStats(const TStatsLog& log, const QString& name, std::uint32_t playedMs, std::uint32_t now);

    QLabel* lbNavn = nullptr;
    QPushButton* bbSkiftNavn = nullptr;
    // [kind][given, solved, first run, runs, solved with the fewest machines]
    std::array<std::array<QLabel*, 5>, 4> lbCounts{};
    QLabel* lbStreak = nullptr;
    QLabel* lbTime = nullptr;
    // The task shown: its time and runs since the last right answer.
    QLabel* lbNu = nullptr;
    QTreeWidget* lvOpgaver = nullptr;
    QPushButton* bbUdskriv = nullptr;
    QPushButton* bbKopier = nullptr;
    QPushButton* bbGem = nullptr;
    QPushButton* bbOpgaveark = nullptr;
    QPushButton* bbLuk = nullptr;

Q_SIGNALS:
    void ChangeNameClicked();
    void PrintClicked();
    void CopyClicked();
    void SaveClicked();
    void WorksheetClicked();

private:
    int FShownTasks = -1;
};
