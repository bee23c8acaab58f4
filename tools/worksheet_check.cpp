// SPDX-License-Identifier: GPL-3.0-or-later
// Prints a worksheet to a PDF and replays every line of its answer key
// through the machine rules: each must make its task's plate with as many
// machines as the key says, and no generated line may be shorter.
// Usage: vorlen-worksheet-check OUT.pdf [DIFFICULTY [COUNT [FIRST-SEED]]]
//        vorlen-worksheet-check --key NUMBER   (one task's key, e.g. M-20000089)
#include "classroom/worksheet_print.h"
#include "model/answer_key.h"
#include "model/generator.h"
#include "model/solver.h"
#include "model/task_number.h"

#include <QApplication>
#include <QDate>
#include <QPrinter>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: vorlen-worksheet-check OUT.pdf [DIFFICULTY [COUNT [FIRST-SEED]]]\n");
        return 2;
    }
    if (args.size() == 3 && args[1] == QStringLiteral("--key")) {
        TTaskNumber number;
        if (ParseTaskNumber(args[2], number) != npOk)
            return 2;
        for (const QString& words : AnswerLine(number))
            std::printf("%s\n", qPrintable(words));
        return 0;
    }
    const int difficulty = args.size() > 2 ? args[2].toInt() : 2;
    const int count = args.size() > 3 ? args[3].toInt() : 12;
    const std::uint32_t seed = args.size() > 4 ? args[4].toUInt() : TimeOfDaySeed();
    const std::vector<TTaskNumber> tasks = WorksheetTasks(difficulty, count, seed);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(args[1]);
    if (!PrintWorksheet(printer, tasks, QDate::currentDate())) {
        std::fprintf(stderr, "printing failed\n");
        return 1;
    }

    int faults = 0;
    for (const TTaskNumber& number : tasks) {
        std::vector<TMachineRec> own;
        const TOpgave task = GenerateTask(number.Seed, number.Difficulty, &own);
        const auto line = ShortestLine(task);
        TOpgave made;
        made.Reset();
        for (const TMachineRec& rec : line.value_or(std::vector<TMachineRec>{}))
            made.ApplyMachine(rec);
        const QStringList words = AnswerLine(number);
        const bool ok = line && made.SameAs(task) && int(line->size()) == words.size() && line->size() <= own.size();
        faults += ok ? 0 : 1;
        std::printf("%-11s %s  key %lld machines (generator's line %zu): %s\n",
                    qPrintable(FormatTaskNumber(number)), ok ? "ok  " : "FAIL", static_cast<long long>(words.size()),
                    own.size(), qPrintable(words.join(QStringLiteral("; "))));
    }
    return faults == 0 ? 0 : 1;
}
