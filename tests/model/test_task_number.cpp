// SPDX-License-Identifier: GPL-3.0-or-later
// Task numbers as pupils type them, and the worksheet's tasks and answer key.
#include "model/answer_key.h"
#include "model/draw_plate.h"
#include "model/generator.h"
#include "model/ladder_tasks.h"
#include "model/solver.h"
#include "model/task_number.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <set>

namespace {

bool SameState(const TOpgave& a, const TOpgave& b)
{
    return a.FLying == b.FLying && a.FAngle == b.FAngle && a.FCentreHoles == b.FCentreHoles &&
           a.FCircleHoles == b.FCircleHoles && a.FSquareHoles == b.FSquareHoles && a.FStripes == b.FStripes;
}

// The own number of `plate` read back as typed gives the plate itself, drawn alike.
void RoundTrip(const TOpgave& plate)
{
    const std::optional<TTaskNumber> own = OwnTaskNumber(plate);
    QVERIFY(own);
    QCOMPARE(own->Difficulty, OwnTask);
    const QString text = FormatTaskNumber(*own);
    QVERIFY2(QRegularExpression(QStringLiteral("^E-\\d{8}$")).match(text).hasMatch(), qPrintable(text));
    TTaskNumber read;
    QCOMPARE(ParseTaskNumber(text, read), npOk);
    QCOMPARE(read, *own);
    const TOpgave back = TaskPlate(read);
    QVERIFY2(SameState(back, plate), qPrintable(text));
}

} // namespace

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
        QTest::newRow("no dash") << QStringLiteral("M20000089") << int(npOk) << 1 << 20000089u;
        QTest::newRow("spaces, no dash") << QStringLiteral("M 2000 0089") << int(npOk) << 1 << 20000089u;
        QTest::newRow("lower case, no dash") << QStringLiteral("m20000089") << int(npOk) << 1 << 20000089u;
        QTest::newRow("two dashes") << QStringLiteral("M--20000089") << int(npMalformed) << 0 << 0u;
        QTest::newRow("dash only") << QStringLiteral("S-") << int(npMalformed) << 0 << 0u;
        QTest::newRow("letter only") << QStringLiteral("L") << int(npMalformed) << 0 << 0u;
        QTest::newRow("own blank plate") << QStringLiteral("E-00000000") << int(npOk) << 3 << 0u;
        QTest::newRow("own, spaces, no dash") << QStringLiteral("e 0000 0000") << int(npOk) << 3 << 0u;
        QTest::newRow("own, wrong check digit") << QStringLiteral("E-00000001") << int(npBadCheck) << 0 << 0u;
        QTest::newRow("own, code too large") << QStringLiteral("E-99999999") << int(npOutOfRange) << 0 << 0u;
        QTest::newRow("own, nine digits") << QStringLiteral("E-123456789") << int(npOutOfRange) << 0 << 0u;
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

    // Every plate that lines of up to three floor machines make, and random
    // ones of any state, get a number that gives back the very plate;
    // one that no line makes gets none.
    void ownNumbersRoundTrip()
    {
        const std::vector<TMachineRec>& machines = FloorMachines();
        std::set<std::uint32_t> numbers;
        std::vector<TOpgave> level(1);
        level[0].Reset();
        RoundTrip(level[0]);
        for (int length = 1; length <= 3; ++length) {
            std::vector<TOpgave> next;
            for (const TOpgave& plate : level)
                for (const TMachineRec& rec : machines) {
                    TOpgave made = plate;
                    made.ApplyMachine(rec);
                    RoundTrip(made);
                    if (QTest::currentTestFailed())
                        return;
                    numbers.insert(OwnTaskNumber(made)->Seed);
                    next.push_back(made);
                }
            level.swap(next);
        }
        QVERIFY(numbers.size() > 500);

        QRandomGenerator random(28);
        int unreachable = 0;
        for (int i = 0; i < 5000; ++i) {
            TOpgave plate;
            plate.Reset();
            plate.FAngle = int(random.bounded(8)) * 45;
            plate.FCentreHoles = std::uint8_t(random.bounded(8));
            for (std::size_t a = 0; a < 4; ++a) {
                plate.FCircleHoles[a] = std::uint8_t(random.bounded(2));
                plate.FSquareHoles[a] = std::uint8_t(random.bounded(2));
                plate.FStripes[a] = std::uint8_t(random.bounded(4));
            }
            if (FewestMachines(plate) < 0) {
                ++unreachable;
                QVERIFY(!OwnTaskNumber(plate));
                continue;
            }
            RoundTrip(plate);
            if (QTest::currentTestFailed())
                return;
        }
        qInfo() << unreachable << "of 5000 random plates are made by no line";

        // The drawing of a decoded plate is the drawing of the plate.
        TOpgave built;
        built.Reset();
        for (const TMachineRec& rec : {TMachineRec{mcHoles, 2, 0}, TMachineRec{mcRotate, 2, 0},
                                       TMachineRec{mcStripe, 1, 0}, TMachineRec{mcHoles, 1, 1},
                                       TMachineRec{mcRotate, 0, 0}})
            built.ApplyMachine(rec);
        QCOMPARE(PlateImage(TaskPlate(*OwnTaskNumber(built)), true, 2, Qt::white), PlateImage(built, true, 2, Qt::white));

        // Fields no machine writes, a plate lying down: no number.
        TOpgave odd;
        odd.Reset();
        odd.FStripes[1] = 4;
        QVERIFY(!OwnTaskNumber(odd));
        odd.Reset();
        odd.FAngle = 30;
        QVERIFY(!OwnTaskNumber(odd));
        odd.Reset();
        odd.FLying = true;
        QVERIFY(!OwnTaskNumber(odd));
    }

    // A typo in an own number is caught: every single wrong digit and every
    // swap of two neighbouring different digits; a number whose plate no
    // line makes is refused as such.
    void ownNumberTypos()
    {
        TOpgave plate;
        plate.Reset();
        for (const TMachineRec& rec : {TMachineRec{mcHoles, 3, 1}, TMachineRec{mcRotate, 1, 0}, TMachineRec{mcStripe, 2, 0}})
            plate.ApplyMachine(rec);
        const QString text = FormatTaskNumber(*OwnTaskNumber(plate));
        for (int at = 2; at < text.size(); ++at) {
            for (char digit = '0'; digit <= '9'; ++digit) {
                if (text.at(at) == QLatin1Char(digit))
                    continue;
                QString typo = text;
                typo[at] = QLatin1Char(digit);
                TTaskNumber number;
                const TNumberParse result = ParseTaskNumber(typo, number);
                QVERIFY2(result == npBadCheck || result == npOutOfRange, qPrintable(typo));
            }
            if (at + 1 < text.size() && text.at(at) != text.at(at + 1)) {
                QString swapped = text;
                std::swap(swapped[at], swapped[at + 1]);
                TTaskNumber number;
                QVERIFY2(ParseTaskNumber(swapped, number) != npOk, qPrintable(swapped));
            }
        }
        std::optional<std::uint32_t> unmade;
        for (std::uint32_t code = 0; code <= MaxOwnCode && !unmade; ++code)
            if (FewestMachines(TaskPlate({OwnTask, code})) < 0)
                unmade = code;
        QVERIFY(unmade);
        // Its number as it would be written, with a right check digit.
        TTaskNumber number{1, 1};
        QCOMPARE(ParseTaskNumber(FormatTaskNumber({OwnTask, *unmade}), number), npNoPlate);
        QCOMPARE(number, (TTaskNumber{1, 1}));
    }

    // Tasks of a ladder step for a sheet: all of that step, no plate twice
    // while the step has others.
    void ladderSheet()
    {
        for (int step : {1, 4, 7}) {
            const auto tasks = LadderSheetTasks(step, 6, 1234);
            QCOMPARE(tasks.size(), std::size_t(6));
            std::vector<TOpgave> plates;
            for (const TTaskNumber& t : tasks) {
                const TOpgave plate = TaskPlate(t);
                QCOMPARE(FewestMachines(plate), step);
                QVERIFY(std::none_of(plates.begin(), plates.end(), [&](const TOpgave& p) { return p.SameAs(plate); }));
                plates.push_back(plate);
            }
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
