// SPDX-License-Identifier: GPL-3.0-or-later
// For the classroom: task numbers ("Hent opgave", the number under the task
// place), the statistics window with the player's name, and worksheets. It
// sits beside the main window and talks to it through its hooks and a few
// calls, so that the game without it is unchanged.
#pragma once

#include "classroom/stats_log.h"
#include "game/seam.h"

#include <QObject>
#include <QPointer>

class QAction;
class QLabel;
class QToolButton;
class TfmBraet;
class TLadder;
class TfmStatistik;

class TClassroom : public QObject {
    Q_OBJECT
public:
    // Adds the button, menu items and keys to `form`; owned by it.
    explicit TClassroom(TfmBraet& form);

    // "Hent opgave": asks for a number and starts its task.
    void bbHentOpgaveClick();
    // Starts the task of `text`; otherwise says why not (Danish) and changes
    // nothing. Returns the message, empty on success.
    QString HentOpgave(const QString& text);

    // The statistics window, made on first use; asks for the name the first
    // time it opens while there is none.
    void Statistik1Click();
    void ChangeName();
    void PrintStatistics();
    void CopyStatistics();
    // "Gem…": the statistics as a CSV file, where the save dialog says.
    void SaveStatistics();
    // Ctrl+P: the task on a page of its own, as a teacher hands it out.
    void PrintTask();
    // "Udskriv opgaveark": the dialog, then the print.
    void Opgaveark1Click();

    const TStatsLog& Log() const { return FLog; }
    std::uint32_t PlayedMs() const;
    QString PlayerName() const;
    TfmStatistik* Window() const;

    QToolButton* bbHentOpgave = nullptr;
    QLabel* lbOpgaveNummer = nullptr;
    QAction* Statistik1 = nullptr;
    QAction* Opgaveark1 = nullptr;
    TLadder* Ladder = nullptr;

private:
    void TaskChanged();
    void PlayChanged();
    void TaskCopied();
    void ShowNumber();
    void Refresh();
    TfmBraet& FForm;
    TBraetSeam FSeam;
    TStatsLog FLog;
    const void* FLoggedTask = nullptr;
    TPlayTime FPlay;
    bool FNameAsked = false;
    bool FPlaced = false;
    QPointer<TfmStatistik> FWindow;
};

// Installs the classroom features on the main window (start-up).
TClassroom* InstallClassroom(TfmBraet& form);
