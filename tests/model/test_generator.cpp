// SPDX-License-Identifier: GPL-3.0-or-later
// The random source, the rules a random machine line obeys, and fixed tasks
// for fixed seeds.
#include "model/generator.h"

#include "plate_lines.h"
#include "support/testclock.h"

#include <QDateTime>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <map>

class TestGenerator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomSource_data();
    void randomSource();
    void randomStaysInRange();

    void lineRules();
    void drawOrder_data();
    void drawOrder();
    void everyChoiceOccurs();
    void recordMayFollowItself();

    void golden_data();
    void golden();
    void sameSeedSameTask();
    void longerTasksExtendShorterOnes();
    void difficultyOutOfRange();

    void seedOfTime_data();
    void seedOfTime();
    void timeOfDaySeedIsNow();
    void timeOfDaySeedOnTheTestClock();
};

void TestGenerator::randomSource_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<quint32>("m");
    QTest::addColumn<quint32>("result");
    QTest::addColumn<quint32>("seedAfter");
    // The seed is advanced first and the new seed is scaled:
    // 134775814 * 3 = 404327442 < 2^32 gives 0, and
    // 3698175007 * 3 = 11094525021 = 2 * 2^32 + 2504590429 gives 2.
    QTest::newRow("0") << 0u << 3u << 0u << 1u;
    QTest::newRow("1") << 1u << 3u << 0u << 134775814u;
    QTest::newRow("134775814") << 134775814u << 3u << 2u << 3698175007u;
    QTest::newRow("m 1000") << 3698175007u << 1000u << 202u << 870078620u;
    QTest::newRow("seed wraps") << 0xFFFFFFFFu << 7u << 6u << 4160191484u;
    QTest::newRow("largest m") << 86399999u << 0xFFFFFFFFu << 3106359291u << 3106359292u;
    QTest::newRow("m 1") << 12345678u << 1u << 0u << 2689212039u;
    QTest::newRow("m 0") << 5u << 0u << 0u << 673879066u;
}

void TestGenerator::randomSource()
{
    QFETCH(quint32, seed);
    QFETCH(quint32, m);
    QFETCH(quint32, result);
    QFETCH(quint32, seedAfter);
    TRandom random(seed);
    QCOMPARE(random.Random(m), result);
    QCOMPARE(random.Seed(), seedAfter);
}

void TestGenerator::randomStaysInRange()
{
    TRandom random(4711);
    for (std::uint32_t m : {1u, 2u, 3u, 1000u, 0x80000000u})
        for (int i = 0; i < 2000; ++i)
            QVERIFY(random.Random(m) < m);
}

void TestGenerator::lineRules()
{
    // Seeds spread over a whole day of milliseconds.
    for (std::uint32_t seed = 0; seed < 86400000u; seed += 8641u) {
        std::vector<TMachineRec> line;
        GenerateTask(seed, 2, &line);
        QCOMPARE(line.size(), std::size_t(7));
        for (std::size_t i = 0; i < line.size(); ++i) {
            const TMachineRec& rec = line[i];
            const QByteArray whereText = QByteArray::number(seed) + " #" + QByteArray::number(int(i)) + ": "
                + FormatLine(line).toUtf8();
            const char* const where = whereText.constData();
            QVERIFY2(rec.Kind <= mcStripe, where);
            if (rec.Kind == mcRotate)
                QVERIFY2(i == 0 ? rec.Setting == 0 : rec.Setting >= 1 && rec.Setting <= 3, where);
            if (rec.Kind == mcHoles)
                QVERIFY2(rec.Setting >= 1 && rec.Setting <= 3 && rec.Shape <= 1, where);
            if (rec.Kind == mcStripe)
                QVERIFY2(rec.Setting <= 2, where);
            if (i == 0)
                continue;
            const TMachineRec& prev = line[i - 1];
            QVERIFY2(!(prev.Kind == mcRotate && rec.Kind == mcRotate), where);
            QVERIFY2(!(prev.Kind == mcStripe && rec.Kind == mcHoles), where);
            if (prev.Kind == mcHoles && rec.Kind == mcHoles)
                QVERIFY2(prev.Shape != rec.Shape, where);
        }
    }
}

void TestGenerator::drawOrder_data()
{
    QTest::addColumn<QString>("prev");
    QTest::addColumn<int>("kindRange");
    QTest::addColumn<int>("kindFactor");
    QTest::addColumn<int>("kindOffset");
    QTest::newRow("first") << "" << 3 << 1 << 0;
    QTest::newRow("after holes") << "h2c" << 3 << 1 << 0;
    QTest::newRow("after square holes") << "h1s" << 3 << 1 << 0;
    QTest::newRow("after rotation") << "r1" << 2 << 1 << 1;
    QTest::newRow("after stripe") << "s0" << 2 << 2 << 0;
}

// Replays the draws in the stated order (kind, setting, then shape only when
// the shape is not fixed by a preceding hole machine) on a second source and
// checks that the machine and the source's state agree.
void TestGenerator::drawOrder()
{
    QFETCH(QString, prev);
    QFETCH(int, kindRange);
    QFETCH(int, kindFactor);
    QFETCH(int, kindOffset);
    const std::vector<TMachineRec> prevLine = ParseLine(prev);
    const TMachineRec* prevRec = prevLine.empty() ? nullptr : &prevLine.front();
    for (std::uint32_t seed = 1; seed < 4000000000u; seed += 39916801u) {
        TRandom random(seed);
        TRandom replay(seed);
        TMachineRec rec;
        RandomMachine(rec, prevRec, random);

        const int kind = kindOffset + kindFactor * int(replay.Random(std::uint32_t(kindRange)));
        QCOMPARE(int(rec.Kind), kind);
        if (kind == mcRotate) {
            QCOMPARE(int(rec.Setting), prevRec ? 1 + int(replay.Random(3)) : 0);
        } else if (kind == mcHoles) {
            QCOMPARE(int(rec.Setting), 1 + int(replay.Random(3)));
            const bool afterHoles = prevRec && prevRec->Kind == mcHoles;
            QCOMPARE(int(rec.Shape), afterHoles ? (prevRec->Shape + 1) % 2 : int(replay.Random(2)));
        } else {
            QCOMPARE(int(rec.Setting), int(replay.Random(3)));
        }
        QCOMPARE(random.Seed(), replay.Seed());
    }
}

void TestGenerator::everyChoiceOccurs()
{
    // Every machine the rules allow turns up, each roughly equally often.
    std::map<QString, int> counts;
    const int lines = 3000;
    for (int i = 0; i < lines; ++i) {
        std::vector<TMachineRec> line;
        GenerateTask(std::uint32_t(i) * 28793u, 2, &line);
        for (std::size_t j = 0; j < line.size(); ++j) {
            const QString pos = j == 0 ? QStringLiteral("first ") : QStringLiteral("later ");
            ++counts[pos + FormatLine({line[j]})];
        }
    }
    const QStringList first = {QStringLiteral("r0"), QStringLiteral("h1c"), QStringLiteral("h2c"),
                               QStringLiteral("h3c"), QStringLiteral("h1s"), QStringLiteral("h2s"),
                               QStringLiteral("h3s"), QStringLiteral("s0"), QStringLiteral("s1"),
                               QStringLiteral("s2")};
    for (const QString& m : first)
        QVERIFY2(counts[QStringLiteral("first ") + m] > 0, qPrintable(m));
    QCOMPARE(counts[QStringLiteral("later r0")], 0);
    // A first machine is a rotation a third of the time.
    const int firstRotations = counts[QStringLiteral("first r0")];
    QVERIFY2(std::abs(firstRotations - lines / 3) < lines / 20, QByteArray::number(firstRotations).constData());
    for (const char* m : {"r1", "r2", "r3", "h1c", "h3s", "s0", "s2"})
        QVERIFY2(counts[QStringLiteral("later ") + QLatin1String(m)] > 0, m);
    // Later rotations turn 90, 135 and 180 about equally often.
    const int r1 = counts[QStringLiteral("later r1")];
    const int r3 = counts[QStringLiteral("later r3")];
    QVERIFY2(std::abs(r1 - r3) < (r1 + r3) / 10, qPrintable(QStringLiteral("%1 %2").arg(r1).arg(r3)));
}

void TestGenerator::recordMayFollowItself()
{
    // Refilling a record from itself must use its old contents as predecessor.
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        TRandom a(seed), b(seed);
        TMachineRec rec{mcHoles, 2, 1};
        TMachineRec separate = rec;
        const TMachineRec prev = rec;
        RandomMachine(rec, &rec, a);
        RandomMachine(separate, &prev, b);
        QCOMPARE(rec, separate);
        if (rec.Kind == mcHoles)
            QCOMPARE(int(rec.Shape), 0);
    }
}

void TestGenerator::golden_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("plate");

    // Worked out from the definition of the source, for seed 0, difficulty 1.
    // Each draw first sets seed := seed * 134775813 + 1 (mod 2^32), then
    // yields (seed * m) div 2^32:
    //  1. kind, Random(3):   seed 1;          1 * 3 < 2^32            -> 0, rotation;
    //     the first machine turns 45 without a draw:                  r0
    //  2. kind after a rotation, 1 + Random(2): seed 134775814;
    //     134775814 * 2 < 2^32 -> 0, hole machine
    //  3. holes, 1 + Random(3): seed 3698175007; * 3 = 11094525021,
    //     div 2^32 = 2 -> 3 holes
    //  4. shape, Random(2):  seed 870078620;  * 2 = 1740157240 -> 0, circle: h3c
    //  5. kind after holes, Random(3): seed 1172187917; * 3 = 3516563751 -> 0, rotation
    //  6. later rotation, 1 + Random(3): seed 2884733762; * 3 = 8654201286,
    //     div 2^32 = 2 -> setting 3, 180 degrees:                     r3
    //  7. kind after a rotation: seed 1368768587; * 2 = 2737537174 -> 0, holes
    //  8. 1 + Random(3): seed 694906232; * 3 = 2084718696 -> 0, one hole
    //  9. shape: seed 1598751577; * 2 = 3197503154 -> 0, circle:     h1c
    // The plate: r0 turns it to 45, where axis 3 lies on the horizontal line,
    // so h3c sets the circle pair of axis 3 and the circular centre hole; r3
    // turns it on to 225; h1c adds the centre hole it already has.
    // The other rows were computed the same way with a separate throw-away
    // script, not with this program.
    QTest::newRow("0/easy") << 0u << 0 << "r0" << "45 c0 o0000 q0000 s3333";
    QTest::newRow("0/medium") << 0u << 1 << "r0 h3c r3 h1c" << "225 c1 o0001 q0000 s3333";
    QTest::newRow("0/hard") << 0u << 2 << "r0 h3c r3 h1c h1s h1c s0"
                            << "225 c3 o0001 q0000 s3330";
    QTest::newRow("12345678/easy") << 12345678u << 0 << "h2c" << "0 c0 o0010 q0000 s3333";
    QTest::newRow("12345678/medium") << 12345678u << 1 << "h2c s1 r1 h3s"
                                     << "90 c4 o0010 q1000 s3313";
    QTest::newRow("12345678/hard") << 12345678u << 2 << "h2c s1 r1 h3s r1 s2 s2"
                                   << "180 c4 o0010 q1000 s3323";
    QTest::newRow("86399999/easy") << 86399999u << 0 << "s2" << "0 c0 o0000 q0000 s3323";
    QTest::newRow("86399999/medium") << 86399999u << 1 << "s2 r1 h1s s1"
                                     << "90 c4 o0000 q0000 s1323";
    QTest::newRow("86399999/hard") << 86399999u << 2 << "s2 r1 h1s s1 s0 s1 r3"
                                   << "270 c4 o0000 q0000 s1323";
}

void TestGenerator::golden()
{
    QFETCH(quint32, seed);
    QFETCH(int, difficulty);
    QFETCH(QString, line);
    QFETCH(QString, plate);
    std::vector<TMachineRec> drawn;
    const TOpgave task = GenerateTask(seed, difficulty, &drawn);
    QCOMPARE(FormatLine(drawn), line);
    QCOMPARE(DescribePlate(task), plate);
    QVERIFY(!task.FLying);
}

void TestGenerator::sameSeedSameTask()
{
    for (std::uint32_t seed : {7u, 43200000u, 86399998u}) {
        for (int difficulty = 0; difficulty < 3; ++difficulty) {
            std::vector<TMachineRec> a, b;
            const TOpgave first = GenerateTask(seed, difficulty, &a);
            const TOpgave second = GenerateTask(seed, difficulty, &b);
            QCOMPARE(DescribePlate(first), DescribePlate(second));
            QVERIFY(a == b);
            QCOMPARE(DescribePlate(GenerateTask(seed, difficulty)), DescribePlate(first));
        }
    }
}

void TestGenerator::longerTasksExtendShorterOnes()
{
    // The line is drawn machine by machine from one source, so the plate comes
    // from exactly those records applied in order.
    for (std::uint32_t seed = 0; seed < 86400000u; seed += 999983u) {
        std::vector<TMachineRec> easy, medium, hard;
        GenerateTask(seed, 0, &easy);
        GenerateTask(seed, 1, &medium);
        const TOpgave task = GenerateTask(seed, 2, &hard);
        QCOMPARE(easy.size(), std::size_t(1));
        QCOMPARE(medium.size(), std::size_t(4));
        QVERIFY(std::equal(easy.begin(), easy.end(), hard.begin()));
        QVERIFY(std::equal(medium.begin(), medium.end(), hard.begin()));
        QCOMPARE(DescribePlate(task), DescribePlate(PlateFromLine(FormatLine(hard))));
    }
}

void TestGenerator::difficultyOutOfRange()
{
    std::vector<TMachineRec> line;
    GenerateTask(99, -1, &line);
    QCOMPARE(line.size(), std::size_t(1));
    GenerateTask(99, 3, &line);
    QCOMPARE(line.size(), std::size_t(7));
    GenerateTask(99, 1000000, &line);
    QVERIFY(line.size() <= std::size_t(MaxTaskMachines));
}

void TestGenerator::seedOfTime_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("midnight") << QTime(0, 0) << 0u;
    QTest::newRow("noon") << QTime(12, 34, 56, 789) << 45296789u;
    QTest::newRow("last millisecond") << QTime(23, 59, 59, 999) << 86399999u;
    QTest::newRow("invalid") << QTime() << 0u;
}

void TestGenerator::seedOfTime()
{
    QFETCH(QTime, time);
    QFETCH(quint32, seed);
    QCOMPARE(SeedOfTime(time), seed);
}

void TestGenerator::timeOfDaySeedIsNow()
{
    const std::uint32_t before = SeedOfTime(QDateTime::currentDateTimeUtc().time());
    const std::uint32_t seed = TimeOfDaySeed();
    const std::uint32_t after = SeedOfTime(QDateTime::currentDateTimeUtc().time());
    QVERIFY(seed < 86400000u);
    if (before <= after) // not across midnight
        QVERIFY(before <= seed && seed <= after);
}

// Tests choose the time of day their new tasks come from.
void TestGenerator::timeOfDaySeedOnTheTestClock()
{
    TTestClock clock;
    clock.SetTimeOfDay(QTime(12, 34, 56, 789));
    QCOMPARE(TimeOfDaySeed(), 45296789u);
    clock.Wait(9);
    QCOMPARE(TimeOfDaySeed(), 45296799u);
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "test_generator.moc"
