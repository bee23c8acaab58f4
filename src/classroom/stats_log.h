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
    // Own plates have an own number (OwnTask) or, when the plate could not
    // have one, none.
    std::optional<TTaskNumber> Number;
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
    // The ladder's step that gave it; 0 outside the ladder.
    int Step = 0;
    // Clock ticks (ms): given, left (while current: none), the last right
    // answer (none yet: the time it was given).
    std::uint32_t GivenAt = 0;
    std::optional<std::uint32_t> LeftAt;
    std::uint32_t LastRightAt = 0;
    int RunsSinceRight = 0;
    std::uint32_t TimeOn(std::uint32_t now) const { return LeftAt.value_or(now) - GivenAt; }
    std::uint32_t TimeSinceRight(std::uint32_t now) const { return LeftAt.value_or(now) - LastRightAt; }
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

// The time of play: the time while a task is shown or a run goes on, not
// the time the program stood open with nothing to do.
class TPlayTime {
public:
    // Whether the game is being played from `now` (clock ticks, ms) on.
    void Update(bool playing, std::uint32_t now);
    std::uint32_t PlayedMs(std::uint32_t now) const;

private:
    std::uint32_t FPlayed = 0;
    std::optional<std::uint32_t> FSince;
};

// A field of a CSV line as spreadsheets read it: quoted when it holds a
// comma, a quote or a line break, quotes doubled.
QString CsvField(const QString& text);

class TStatsLog {
public:
    // A new task replaces the current one, solved or not. `now` is the
    // clock's tick; `step` the ladder's step that gave it, 0 for none.
    void TaskGiven(const std::optional<TTaskNumber>& number, const TOpgave& plate, std::uint32_t now = 0,
                   int step = 0);
    // The task was deleted.
    void TaskRemoved(std::uint32_t now = 0);
    // A run ended with a verdict on the current task, made with `used`
    // machines. A task counts as solved once, at its first right run; a
    // later right run with fewer machines improves its count of machines.
    void Verdict(bool right, int used, std::uint32_t now = 0);
    // The task shown, if any.
    const TLoggedTask* Current() const { return FHasCurrent ? &FTasks.back() : nullptr; }
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
    // One line per task, oldest first, with a header line: UTF-8 text for a
    // spreadsheet (see CsvLines in stats_log.cpp for the columns).
    QString Csv(const QString& name, std::uint32_t now) const;

private:
    void LeaveCurrent(std::uint32_t now);
    std::vector<TLoggedTask> FTasks;
    bool FHasCurrent = false;
    std::array<TKindCount, KindCount> FCounts{};
    int FStreak = 0;
    int FLongest = 0;
};
