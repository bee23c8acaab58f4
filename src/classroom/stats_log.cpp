// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/stats_log.h"

#include "model/solver.h"
#include "shell/plain_text.h"

#include <QDate>
#include <QLocale>

#include <algorithm>

int KindOf(const std::optional<TTaskNumber>& number)
{
    return number ? std::clamp(number->Difficulty, 0, OwnTask) : OwnTask;
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

void TPlayTime::Update(bool playing, std::uint32_t now)
{
    if (playing && !FSince)
        FSince = now;
    else if (!playing && FSince) {
        FPlayed += now - *FSince;
        FSince.reset();
    }
}

std::uint32_t TPlayTime::PlayedMs(std::uint32_t now) const
{
    return FPlayed + (FSince ? now - *FSince : 0);
}

QString CsvField(const QString& text)
{
    // A leading =, +, - or @ makes a spreadsheet take a name as a formula;
    // the apostrophe keeps it text.
    QString field = text;
    if (!field.isEmpty() && QStringLiteral("=+-@\t\r").contains(field.front()))
        field.prepend(u'\'');
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') && !field.contains(u'\r') &&
        field == text)
        return field;
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + field + u'"';
}

void TStatsLog::LeaveCurrent(std::uint32_t now)
{
    if (!FHasCurrent)
        return;
    FHasCurrent = false;
    TLoggedTask& task = FTasks.back();
    task.LeftAt = now;
    if (!task.Solved && KindOf(task.Number) != OwnTask)
        FStreak = 0;
}

void TStatsLog::TaskGiven(const std::optional<TTaskNumber>& number, const TOpgave& plate, std::uint32_t now,
                          int step)
{
    LeaveCurrent(now);
    TLoggedTask task;
    task.Number = number;
    task.Step = step;
    task.GivenAt = now;
    task.LastRightAt = now;
    task.Plate.Assign(plate);
    task.Fewest = FewestMachines(plate);
    FTasks.push_back(task);
    FHasCurrent = true;
    ++FCounts[std::size_t(KindOf(number))].Given;
}

void TStatsLog::TaskRemoved(std::uint32_t now)
{
    LeaveCurrent(now);
}

void TStatsLog::TipGiven()
{
    if (FHasCurrent)
        ++FTasks.back().Tips;
}

void TStatsLog::Verdict(bool right, int used, std::uint32_t now)
{
    if (!FHasCurrent)
        return;
    TLoggedTask& task = FTasks.back();
    TKindCount& count = FCounts[std::size_t(KindOf(task.Number))];
    ++task.Runs;
    ++count.Runs;
    if (!right) {
        ++task.RunsSinceRight;
        return;
    }
    task.RunsSinceRight = 0;
    task.LastRightAt = now;
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
    if (KindOf(task.Number) != OwnTask) {
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

QString TStatsLog::Csv(const QString& name, std::uint32_t now) const
{
    // Comma-separated with CRLF line ends, as RFC 4180 has it; a time in whole
    // seconds, so that a spreadsheet can add it up.
    QString csv = QStringLiteral("Navn,Opgave,Sværhed,Trin,Kørsler,Løst,Maskiner brugt,Færrest maskiner,Tip,"
                                 "Tid på opgaven (s)\r\n");
    const QString who = CsvField(name);
    for (const TLoggedTask& task : FTasks) {
        const QStringList fields = {
            who,
            CsvField(TaskName(task.Number)),
            CsvField(KindName(KindOf(task.Number))),
            task.Step > 0 ? QString::number(task.Step) : QString(),
            QString::number(task.Runs),
            task.Solved ? QStringLiteral("ja") : QStringLiteral("nej"),
            task.Solved ? QString::number(task.Used) : QString(),
            task.Fewest >= 0 ? QString::number(task.Fewest) : QString(),
            QString::number(task.Tips),
            QString::number(task.TimeOn(now) / 1000),
        };
        csv += fields.join(u',') + QStringLiteral("\r\n");
    }
    return csv;
}
