// SPDX-License-Identifier: GPL-3.0-or-later
// Task numbers as pupils type them, and the worksheet's tasks and answer key.
#include "model/answer_key.h"
#include "model/generator.h"
#include "model/task_number.h"

#include <QTest>

#include <set>

class TestTaskNumber : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<uint>("seed");
        QTest::newRow("as printed") << QStringLiteral("M-20000089") << int(npOk) << 1 << 20000089u;
        QTest::newRow("case and spaces") << QStringLiteral(" m-2000 0089 ") << int(npOk) << 1 << 20000089u;
        QTest::newRow("easy zero") << QStringLiteral("l - 0") << int(npOk) << 0 << 0u;
        QTest::newRow("leading zeros") << QStringLiteral("S-0000000000086399999") << int(npOk) << 2 << 86399999u;
        QTest::newRow("typographic dash") << QStringLiteral("S\u2013123") << int(npOk) << 2 << 123u;
        QTest::newRow("last millisecond + 1") << QStringLiteral("S-86400000") << int(npOutOfRange) << 0 << 0u;
        QTest::newRow("beyond 32 bits") << QStringLiteral("M-99999999999") << int(npOutOfRange) << 0 << 0u;
        QTest::newRow("no dash") << QStringLiteral("M20000089") << int(npMalformed) << 0 << 0u;
        QTest::newRow("unknown initial") << QStringLiteral("X-1") << int(npMalformed) << 0 << 0u;
        QTest::newRow("no digits") << QStringLiteral("M-") << int(npMalformed) << 0 << 0u;
        QTest::newRow("letters in the seed") << QStringLiteral("M-12a") << int(npMalformed) << 0 << 0u;
        QTest::newRow("negative") << QStringLiteral("M--5") << int(npMalformed) << 0 << 0u;
        QTest::newRow("other digits") << QStringLiteral("M-\u0661\u0662") << int(npMalformed) << 0 << 0u;
        QTest::newRow("empty") << QString() << int(npMalformed) << 0 << 0u;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(int, result);
        QFETCH(int, difficulty);
        QFETCH(uint, seed);
        TTaskNumber number{2, 7};
        QCOMPARE(int(ParseTaskNumber(text, number)), result);
        if (result == npOk) {
            QCOMPARE(number, (TTaskNumber{difficulty, seed}));
            // What is printed reads back as the same number.
            TTaskNumber again;
            QCOMPARE(ParseTaskNumber(FormatTaskNumber(number), again), npOk);
            QCOMPARE(again, number);
        } else {
            QCOMPARE(number, (TTaskNumber{2, 7}));
        }
    }

    // The answer key is one shortest line (the generator drew seven machines
    // for this task), each machine named as the palette names it.
    void answerKey()
    {
        QCOMPARE(AnswerLine({2, 20000089}),
                 QStringList({QStringLiteral("Hullemaskine: 2 runde huller"),
                              QStringLiteral("Hullemaskine: 3 firkantede huller"), QStringLiteral("Drejemaskine: 90º"),
                              QStringLiteral("Stregemaskine: Tyk"), QStringLiteral("Drejemaskine: 135º")}));
        QCOMPARE(MachineWords(TMachineRec{mcHoles, 1, 0}), QStringLiteral("Hullemaskine: 1 rundt hul"));
        QCOMPARE(MachineWords(TMachineRec{mcHoles, 1, 1}), QStringLiteral("Hullemaskine: 1 firkantet hul"));
        QCOMPARE(MachineWords(TMachineRec{mcRotate, 0, 0}), QStringLiteral("Drejemaskine: 45º"));
        QCOMPARE(MachineWords(TMachineRec{mcStripe, 1, 0}), QStringLiteral("Stregemaskine: Mellem"));
        QCOMPARE(MachineWords(TMachineRec{mcStripe, 3, 0}), QString()); // no stripe is no machine
    }

    // A sheet's numbers are all different and valid, and its plates differ
    // as long as the difficulty has enough of them: easy tasks have ten.
    void worksheetTasks()
    {
        for (int difficulty : {0, 1, 2}) {
            const auto tasks = WorksheetTasks(difficulty, 12, MaxTaskSeed - 5);
            QCOMPARE(tasks.size(), std::size_t(12));
            std::set<std::uint32_t> seeds;
            std::vector<TOpgave> plates;
            for (const TTaskNumber& t : tasks) {
                QCOMPARE(t.Difficulty, difficulty);
                QVERIFY(t.Seed <= MaxTaskSeed);
                seeds.insert(t.Seed);
                const TOpgave plate = GenerateTask(t.Seed, difficulty);
                if (std::none_of(plates.begin(), plates.end(), [&](const TOpgave& p) { return p.SameAs(plate); }))
                    plates.push_back(plate);
                const qsizetype answer = AnswerLine(t).size();
                QVERIFY(answer >= 1 && answer <= TaskLength(difficulty));
            }
            QCOMPARE(seeds.size(), std::size_t(12));
            QCOMPARE(plates.size(), std::size_t(difficulty == 0 ? 10 : 12));
        }
    }
};

QTEST_GUILESS_MAIN(TestTaskNumber)
#include "test_task_number.moc"
