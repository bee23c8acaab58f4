// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics of this run of the program: the tasks given, runs made and
// tasks solved. Nothing is kept when the program ends.
#pragma once

#include "model/opgave.h"
#include "model/task_number.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QDate;

struct TLoggedTask {
    std::optional<TTaskNumber> Number; // none: made from the produced plate
    TOpgave Plate;
    int Runs = 0;
    bool Solved = false;
    bool SolvedFirstRun = false;
    // Machines on the floor at the best right run; 0 while unsolved.
    int Used = 0;
    // The fewest machines that make the plate; -1 when no line of the
    // floor's eight slots does.
    int Fewest = -1;
    int Tips = 0;
    bool SolvedWithFewest() const { return Solved && Fewest >= 0 && Used <= Fewest; }
};

struct TKindCount {
    int Given = 0;
    int Solved = 0;
    int SolvedFirstRun = 0;
    int Runs = 0;
    int SolvedWithFewest = 0;
};

// Kinds of task: the three difficulties, then "Egen plade".
inline constexpr int KindCount = 4;
int KindOf(const std::optional<TTaskNumber>& number);
QString KindName(int kind);

// "5 / 3": the machines used and the fewest possible; "- / 3" unsolved.
QString MachinesText(const TLoggedTask& task);
// "ja", "ja, i første kørsel", "ja, med tip", "nej".
QString SolvedText(const TLoggedTask& task);

// "4 min 05 s", "1 t 02 min".
QString PlayedText(std::uint32_t ms);

class TStatsLog {
public:
    // A new task replaces the current one, solved or not.
    void TaskGiven(const std::optional<TTaskNumber>& number, const TOpgave& plate);
    // The task was deleted.
    void TaskRemoved();
    // A run ended with a verdict on the current task, made with `used`
    // machines. A task counts as solved once, at its first right run; a
    // later right run with fewer machines improves its count of machines.
    void Verdict(bool right, int used);
    // The player was given a tip towards the current task.
    void TipGiven();

    const std::vector<TLoggedTask>& Tasks() const { return FTasks; } // oldest first
    TKindCount Count(int kind) const { return FCounts[std::size_t(kind)]; }
    // Tasks solved in a row; a task given up unsolved ends the row. Tasks
    // from the produced plate neither add to it nor end it.
    int CurrentStreak() const { return FStreak; }
    int LongestStreak() const { return FLongest; }

    // Everything as text with tab-separated columns, for the clipboard.
    QString Text(const QString& name, const QDate& date, std::uint32_t playedMs) const;

private:
    void LeaveCurrent();
    std::vector<TLoggedTask> FTasks;
    bool FHasCurrent = false;
    std::array<TKindCount, KindCount> FCounts{};
    int FStreak = 0;
    int FLongest = 0;
};
