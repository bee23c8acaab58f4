// SPDX-License-Identifier: GPL-3.0-or-later
// The shortest-line solver against the plate's own rules and against a brute
// force that knows nothing of its table or its key.
#include "model/generator.h"
#include "model/machdefs.h"
#include "model/solver.h"

#include <QTest>

#include <vector>

namespace {

// Every machine the selectors offer, written out by hand so that a machine
// the solver leaves out (or invents) shows up as a different count.
const std::vector<TMachineRec>& HandMachines()
{
    static const std::vector<TMachineRec> machines = {
        {mcRotate, 0, 0}, {mcRotate, 1, 0}, {mcRotate, 2, 0}, {mcRotate, 3, 0},
        {mcHoles, 1, 0},  {mcHoles, 2, 0},  {mcHoles, 3, 0},  {mcHoles, 1, 1},
        {mcHoles, 2, 1},  {mcHoles, 3, 1},  {mcStripe, 0, 0}, {mcStripe, 1, 0},
        {mcStripe, 2, 0},
    };
    return machines;
}

TOpgave Blank()
{
    TOpgave plate;
    plate.Reset();
    return plate;
}

struct TMade {
    TOpgave Plate;
    int Length;
};

} // namespace

class TestSolver : public QObject {
    Q_OBJECT

    // One plate per SameAs class of all lines of up to three machines, with
    // the length of the shortest line that makes it; merged with SameAs alone.
    std::vector<TMade> FWithinThree;

    int BruteFewest(const TOpgave& plate) const
    {
        for (const TMade& made : FWithinThree) {
            if (made.Plate.SameAs(plate))
                return made.Length;
        }
        return -1;
    }

    static TOpgave Replay(const std::vector<TMachineRec>& line)
    {
        TOpgave plate = Blank();
        for (const TMachineRec& rec : line)
            plate.ApplyMachine(rec);
        return plate;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Lines are taken shortest first, so a class's first plate carries
        // its fewest machines.
        std::vector<TOpgave> level{Blank()};
        FWithinThree.push_back({Blank(), 0});
        for (int length = 1; length <= 3; ++length) {
            std::vector<TOpgave> next;
            for (const TOpgave& plate : level) {
                for (const TMachineRec& rec : HandMachines()) {
                    TOpgave made = plate;
                    made.ApplyMachine(rec);
                    next.push_back(made);
                    if (BruteFewest(made) < 0)
                        FWithinThree.push_back({made, length});
                }
            }
            level.swap(next);
        }
    }

    // The key must split plates exactly where SameAs does, and a machine must
    // treat plates SameAs counts as the same alike; otherwise merging them in
    // the search would lose or invent lines.
    void keyFollowsSameAs()
    {
        std::vector<TOpgave> plates;
        for (const TMade& made : FWithinThree)
            plates.push_back(made.Plate);
        for (std::uint32_t seed = 0; seed < 150; ++seed)
            plates.push_back(GenerateTask(seed * 576'000u + 17u, 2));
        const std::size_t originals = plates.size();
        for (std::size_t i = 0; i < originals; ++i) {
            for (std::uint8_t turn : {1, 3}) { // 90 and 180 degrees
                TOpgave turned = plates[i];
                turned.Rotate(turn);
                plates.push_back(turned);
            }
        }
        std::vector<std::uint32_t> keys;
        for (const TOpgave& plate : plates)
            keys.push_back(PlateKey(plate));
        for (std::size_t i = 0; i < plates.size(); ++i) {
            for (std::size_t j = i + 1; j < plates.size(); ++j) {
                const bool same = plates[i].SameAs(plates[j]);
                if ((keys[i] == keys[j]) != same)
                    QFAIL(qPrintable(QStringLiteral("key and SameAs differ on plates %1 and %2").arg(i).arg(j)));
                if (!same)
                    continue;
                for (const TMachineRec& rec : HandMachines()) {
                    TOpgave a = plates[i];
                    TOpgave b = plates[j];
                    a.ApplyMachine(rec);
                    b.ApplyMachine(rec);
                    QVERIFY(a.SameAs(b));
                }
            }
        }
        TOpgave odd = Blank();
        odd.FStripes[1] = 4; // no machine paints this
        QCOMPARE(PlateKey(odd), NoPlateKey);
        QCOMPARE(FewestMachines(odd), -1);
    }

    // No line of up to three machines is shorter than the solver's, and every
    // plate within three is found at its length.
    void everyPlateWithinThree()
    {
        for (const TMade& made : FWithinThree)
            QCOMPARE(FewestMachines(made.Plate), made.Length);
    }

    // Generated tasks of every kind: the line makes the plate, uses only
    // machines the floor can hold, is no longer than the generator's, and is
    // at least four long exactly when brute force finds nothing within three.
    void generatedTasks()
    {
        for (int difficulty = 0; difficulty <= 2; ++difficulty) {
            for (std::uint32_t i = 0; i < 1500; ++i) {
                const std::uint32_t seed = i * 57'593u + std::uint32_t(difficulty);
                const TOpgave task = GenerateTask(seed, difficulty);
                const auto line = ShortestLine(task);
                QVERIFY(line);
                const int fewest = int(line->size());
                QVERIFY(fewest >= 1 && fewest <= TaskLength(difficulty));
                QCOMPARE(FewestMachines(task), fewest);
                QVERIFY(Replay(*line).SameAs(task));
                for (const TMachineRec& rec : *line) {
                    TMachineRec held;
                    InitMachineRec(held, TMachineKind(rec.Kind));
                    ApplySelectorIndex(held, SelectorIndexOf(rec));
                    QCOMPARE(held, rec);
                }
                const int brute = BruteFewest(task);
                QCOMPARE(brute, fewest <= 3 ? fewest : -1);
            }
        }
    }

    // Counts checked once against a brute force over every line of up to six
    // machines.
    void pinned_data()
    {
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<uint>("seed");
        QTest::addColumn<int>("fewest");
        QTest::newRow("L-20000000") << 0 << 20000000u << 1;
        QTest::newRow("M-20000029") << 1 << 20000029u << 1;
        QTest::newRow("M-20000008") << 1 << 20000008u << 4;
        QTest::newRow("S-20000093") << 2 << 20000093u << 1;
        QTest::newRow("S-20000003") << 2 << 20000003u << 5;
        QTest::newRow("S-20000008") << 2 << 20000008u << 6;
        QTest::newRow("S-20000068") << 2 << 20000068u << 7;
    }
    void pinned()
    {
        QFETCH(int, difficulty);
        QFETCH(uint, seed);
        QFETCH(int, fewest);
        QCOMPARE(FewestMachines(GenerateTask(seed, difficulty)), fewest);
    }
    // A blank plate needs no machine; both kinds of hole pair on all four
    // lines need eleven, more than the floor has slots.
    void beyondTheFloor()
    {
        const auto none = ShortestLine(Blank());
        QVERIFY(none && none->empty());
        TOpgave allPairs = Blank();
        allPairs.FCircleHoles = {1, 1, 1, 1};
        allPairs.FSquareHoles = {1, 1, 1, 1};
        QCOMPARE(FewestMachines(allPairs), -1);
        QVERIFY(!ShortestLine(allPairs));
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "test_solver.moc"
