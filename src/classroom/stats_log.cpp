// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/stats_log.h"

#include "model/solver.h"
#include "shell/plain_text.h"

#include <QDate>
#include <QLocale>

#include <algorithm>

int KindOf(const std::optional<TTaskNumber>& number)
{
    return number ? std::clamp(number->Difficulty, 0, 2) : 3;
}

QString KindName(int kind)
{
    return kind >= 3 ? OwnPlateName() : DifficultyName(kind);
}

QString MachinesText(const TLoggedTask& task)
{
    const QString fewest = task.Fewest >= 0 ? QString::number(task.Fewest) : QStringLiteral("?");
    return (task.Solved ? QString::number(task.Used) : QStringLiteral("-")) + QStringLiteral(" / ") + fewest;
}

QString SolvedText(const TLoggedTask& task)
{
    if (!task.Solved)
        return QStringLiteral("nej");
    if (task.Tips > 0)
        return QStringLiteral("ja, med tip");
    return task.SolvedFirstRun ? QStringLiteral("ja, i første kørsel") : QStringLiteral("ja");
}

QString PlayedText(std::uint32_t ms)
{
    const std::uint32_t s = ms / 1000;
    if (s < 3600)
        return QStringLiteral("%1 min %2 s").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1 t %2 min").arg(s / 3600).arg(s / 60 % 60, 2, 10, QLatin1Char('0'));
}

void TStatsLog::LeaveCurrent()
{
    if (!FHasCurrent)
        return;
    FHasCurrent = false;
    const TLoggedTask& task = FTasks.back();
    if (!task.Solved && task.Number)
        FStreak = 0;
}

void TStatsLog::TaskGiven(const std::optional<TTaskNumber>& number, const TOpgave& plate)
{
    LeaveCurrent();
    TLoggedTask task;
    task.Number = number;
    task.Plate.Assign(plate);
    task.Fewest = FewestMachines(plate);
    FTasks.push_back(task);
    FHasCurrent = true;
    ++FCounts[std::size_t(KindOf(number))].Given;
}

void TStatsLog::TaskRemoved()
{
    LeaveCurrent();
}

void TStatsLog::TipGiven()
{
    if (FHasCurrent)
        ++FTasks.back().Tips;
}

void TStatsLog::Verdict(bool right, int used)
{
    if (!FHasCurrent)
        return;
    TLoggedTask& task = FTasks.back();
    TKindCount& count = FCounts[std::size_t(KindOf(task.Number))];
    ++task.Runs;
    ++count.Runs;
    if (!right)
        return;
    const bool wasFewest = task.SolvedWithFewest();
    task.Used = task.Solved ? std::min(task.Used, used) : used;
    const bool solvedBefore = task.Solved;
    task.Solved = true;
    if (task.SolvedWithFewest() && !wasFewest)
        ++count.SolvedWithFewest;
    if (solvedBefore)
        return;
    ++count.Solved;
    if (task.Runs == 1) {
        task.SolvedFirstRun = true;
        ++count.SolvedFirstRun;
    }
    if (task.Number) {
        ++FStreak;
        FLongest = std::max(FLongest, FStreak);
    }
}

QString TStatsLog::Text(const QString& name, const QDate& date, std::uint32_t playedMs) const
{
    const QLocale locale;
    QString text = QStringLiteral("Vorlen – statistik");
    if (!name.isEmpty())
        text += QStringLiteral(" for ") + IsolatedText(name);
    text += QStringLiteral(", ") + locale.toString(date, QLocale::LongFormat) + u'\n';
    text += QStringLiteral("\nOpgaver\tGivet\tLøst\tLøst i første kørsel\tKørsler\tLøst med færrest\n");
    for (int kind = 0; kind < KindCount; ++kind) {
        const TKindCount c = Count(kind);
        text += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                    .arg(KindName(kind))
                    .arg(c.Given)
                    .arg(c.Solved)
                    .arg(c.SolvedFirstRun)
                    .arg(c.Runs)
                    .arg(c.SolvedWithFewest);
    }
    text += QStringLiteral("\nLøst i træk nu:\t%1\nLøst i træk, flest:\t%2\nSpilletid:\t%3\n")
                .arg(FStreak)
                .arg(FLongest)
                .arg(PlayedText(playedMs));
    text += QStringLiteral("\nOpgave\tSværhed\tKørsler\tLøst\tMaskiner (brugt / færrest)\tTip\n");
    for (auto it = FTasks.rbegin(); it != FTasks.rend(); ++it)
        text += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                    .arg(TaskName(it->Number), KindName(KindOf(it->Number)))
                    .arg(it->Runs)
                    .arg(it->Solved ? QStringLiteral("ja") : QStringLiteral("nej"), MachinesText(*it))
                    .arg(it->Tips);
    return text;
}
