// SPDX-License-Identifier: GPL-3.0-or-later
// The plate's axis mapping, every machine's effect, plate comparison, and the
// setting tables the floor's selectors are built from.
#include "model/machdefs.h"
#include "model/opgave.h"

#include "plate_lines.h"

#include <QTest>

class TestOpgaveRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void axisMapping_data();
    void axisMapping();
    void axisMappingRepeatsEveryHalfTurn();

    void machineEffects_data();
    void machineEffects();
    void machinesLeaveLyingAndOutlineAlone();
    void pairTurnsWithThePlate();

    void sameAs_data();
    void sameAs();
    void sameAsIgnoresLyingAndOutline();

    void initMachineRec_data();
    void initMachineRec();
    void angleOfSetting_data();
    void angleOfSetting();
    void optionTexts();
    void selectorItems_data();
    void selectorItems();
    void selectorIndex_data();
    void selectorIndex();
    void selectorIndexRoundTrip();
};

void TestOpgaveRules::axisMapping_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("axisAtHorizontal");
    QTest::addColumn<int>("axisAtVertical");
    QTest::addColumn<bool>("diagonal");
    // Each 45-degree step moves every axis one direction back, so the axis
    // seen on the horizontal line advances by one.
    QTest::newRow("0") << 0 << 2 << 0 << false;
    QTest::newRow("45") << 45 << 3 << 1 << true;
    QTest::newRow("90") << 90 << 0 << 2 << false;
    QTest::newRow("135") << 135 << 1 << 3 << true;
    QTest::newRow("180") << 180 << 2 << 0 << false;
    QTest::newRow("225") << 225 << 3 << 1 << true;
    QTest::newRow("270") << 270 << 0 << 2 << false;
    QTest::newRow("315") << 315 << 1 << 3 << true;
}

void TestOpgaveRules::axisMapping()
{
    QFETCH(int, angle);
    QFETCH(int, axisAtHorizontal);
    QFETCH(int, axisAtVertical);
    QFETCH(bool, diagonal);
    TOpgave plate;
    plate.Reset();
    plate.FAngle = angle;
    QCOMPARE(plate.IsDiagonal(), diagonal);
    QCOMPARE(int(plate.AxisAt(2)), axisAtHorizontal);
    QCOMPARE(int(plate.AxisAt(0)), axisAtVertical);
    for (std::uint8_t d = 0; d < 4; ++d) {
        QCOMPARE(plate.DirectionOf(plate.AxisAt(d)), d);
        QCOMPARE(plate.AxisAt(plate.DirectionOf(d)), d);
    }
}

void TestOpgaveRules::axisMappingRepeatsEveryHalfTurn()
{
    TOpgave a, b;
    a.Reset();
    b.Reset();
    for (int angle = 0; angle < 180; angle += 45) {
        a.FAngle = angle;
        b.FAngle = angle + 180;
        for (std::uint8_t d = 0; d < 4; ++d)
            QCOMPARE(a.AxisAt(d), b.AxisAt(d));
    }
    // A quarter turn swaps vertical with horizontal and the two diagonals.
    a.FAngle = 0;
    b.FAngle = 90;
    const std::uint8_t swapped[4] = {2, 3, 0, 1};
    for (std::uint8_t d = 0; d < 4; ++d)
        QCOMPARE(b.AxisAt(d), a.AxisAt(swapped[d]));
    // An angle written outside 0..315 maps like the same angle within it and
    // never past the four axes.
    for (const int angle : {-45, -360, 360, 900}) {
        b.FAngle = angle;
        a.FAngle = ((angle % 360) + 360) % 360;
        for (std::uint8_t d = 0; d < 4; ++d) {
            QCOMPARE(b.AxisAt(d), a.AxisAt(d));
            QCOMPARE(b.DirectionOf(d), a.DirectionOf(d));
        }
    }
}

void TestOpgaveRules::machineEffects_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("plate");

    QTest::newRow("blank") << "" << "0 c0 o0000 q0000 s3333";
    QTest::newRow("empty slots and unknown kinds") << "n k4 k255 n" << "0 c0 o0000 q0000 s3333";

    QTest::newRow("turn 45") << "r0" << "45 c0 o0000 q0000 s3333";
    QTest::newRow("turn 180 twice wraps to 0") << "r3 r3" << "0 c0 o0000 q0000 s3333";
    QTest::newRow("180 at 315 gives 135") << "r3 r2 r3" << "135 c0 o0000 q0000 s3333";
    QTest::newRow("turns add up") << "r0 r1 r2" << "270 c0 o0000 q0000 s3333";
    QTest::newRow("setting 4 does not turn") << "r4" << "0 c0 o0000 q0000 s3333";
    QTest::newRow("setting 7 does not turn") << "r0 r7" << "45 c0 o0000 q0000 s3333";

    QTest::newRow("one circle") << "h1c" << "0 c1 o0000 q0000 s3333";
    QTest::newRow("circle pair") << "h2c" << "0 c0 o0010 q0000 s3333";
    QTest::newRow("three circles") << "h3c" << "0 c1 o0010 q0000 s3333";
    QTest::newRow("square pair") << "h2s" << "0 c0 o0000 q0010 s3333";
    QTest::newRow("square centre straight") << "h1s" << "0 c4 o0000 q0000 s3333";
    QTest::newRow("square centre at 90") << "r1 h1s" << "90 c4 o0000 q0000 s3333";
    QTest::newRow("square centre diagonal") << "r0 h1s" << "45 c2 o0000 q0000 s3333";
    QTest::newRow("both square centres") << "h1s r0 h1s" << "45 c6 o0000 q0000 s3333";
    QTest::newRow("pairs on two axes") << "h3s r0 h3s" << "45 c6 o0000 q0011 s3333";
    QTest::newRow("pair at 90 goes to axis 0") << "r1 h2c" << "90 c0 o1000 q0000 s3333";
    QTest::newRow("circle and square on one axis") << "h2c h2s" << "0 c0 o0010 q0010 s3333";
    QTest::newRow("punching twice changes nothing") << "h3c h3c h1c" << "0 c1 o0010 q0000 s3333";
    QTest::newRow("all centre holes") << "h1c h1s r0 h1s" << "45 c7 o0000 q0000 s3333";
    QTest::newRow("no holes for count 0") << "h0c h0s" << "0 c0 o0000 q0000 s3333";
    QTest::newRow("no holes for count 4") << "h4c h4s" << "0 c0 o0000 q0000 s3333";
    QTest::newRow("no holes for shape 2") << "h3x" << "0 c0 o0000 q0000 s3333";

    QTest::newRow("thin stripe") << "s0" << "0 c0 o0000 q0000 s3303";
    QTest::newRow("thick over thin") << "s0 s2" << "0 c0 o0000 q0000 s3323";
    QTest::newRow("thin over thick stays thick") << "s2 s0" << "0 c0 o0000 q0000 s3323";
    QTest::newRow("medium twice") << "s1 s1" << "0 c0 o0000 q0000 s3313";
    QTest::newRow("stripe at 90 on axis 0") << "r1 s1" << "90 c0 o0000 q0000 s1333";
    QTest::newRow("stripe at 45 on axis 3") << "r0 s2" << "45 c0 o0000 q0000 s3332";
    QTest::newRow("no stripe value is no paint") << "s3" << "0 c0 o0000 q0000 s3333";
    QTest::newRow("no stripe value keeps a stripe") << "s1 s3" << "0 c0 o0000 q0000 s3313";
    QTest::newRow("out of range keeps a stripe") << "s0 s9" << "0 c0 o0000 q0000 s3303";

    QTest::newRow("mixed line") << "s1 r0 s2 r0 h2c h1s r3 s0"
                                << "270 c4 o1000 q0000 s0312";
}

void TestOpgaveRules::machineEffects()
{
    QFETCH(QString, line);
    QFETCH(QString, plate);
    QCOMPARE(DescribePlate(PlateFromLine(line)), plate);
}

void TestOpgaveRules::machinesLeaveLyingAndOutlineAlone()
{
    TOpgave plate;
    plate.Reset();
    plate.FLying = true;
    plate.FOutline = {QPoint(1, 2), QPoint(3, 4), QPoint(5, 6), QPoint(7, 8)};
    const auto outline = plate.FOutline;
    for (const TMachineRec& rec : ParseLine(QStringLiteral("r0 h3s s2 r2 h3c s0 n")))
        plate.ApplyMachine(rec);
    QVERIFY(plate.FLying);
    QCOMPARE(plate.FOutline, outline);
}

void TestOpgaveRules::pairTurnsWithThePlate()
{
    // A pair punched on the horizontal line stands vertical after a quarter
    // turn, and a horizontal stripe shows as a rising diagonal after 45.
    TOpgave plate = PlateFromLine(QStringLiteral("h2c r1"));
    QCOMPARE(int(plate.DirectionOf(2)), 0);
    plate = PlateFromLine(QStringLiteral("s0 r0"));
    QCOMPARE(int(plate.DirectionOf(2)), 1);
    QCOMPARE(int(plate.FStripes[plate.AxisAt(1)]), 0);
}

void TestOpgaveRules::sameAs_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");

    QTest::newRow("blank, blank") << "" << "" << true;
    QTest::newRow("blank at 0 and 90") << "" << "r1" << true;
    QTest::newRow("blank at 0 and 45") << "" << "r0" << false;
    QTest::newRow("blank at 45 and 135") << "r0" << "r2" << true;
    QTest::newRow("stripe turned first") << "s0" << "r1 s0" << true;
    QTest::newRow("stripe of other thickness") << "s0" << "r1 s1" << false;
    QTest::newRow("stripe turned 180") << "s1" << "s1 r3" << true;
    QTest::newRow("stripe turned 90") << "s1" << "s1 r1" << false;
    QTest::newRow("stripe straight and diagonal") << "s0" << "s0 r0" << false;
    QTest::newRow("diagonal stripes 90 apart") << "r0 s2" << "r2 s2" << true;
    QTest::newRow("cross of stripes") << "s0 r1 s0" << "r1 s0 r1 s0" << true;
    QTest::newRow("cross of unequal stripes") << "s0 r1 s0" << "s0 r1 s1" << false;
    QTest::newRow("pair turned 180") << "h2c" << "h2c r3" << true;
    QTest::newRow("pair turned 90") << "h2c" << "h2c r1" << false;
    QTest::newRow("circle pair and square pair") << "h2c" << "h2s" << false;
    QTest::newRow("circle and square centre") << "h1c" << "h1s" << false;
    QTest::newRow("square centre at 0 and 90") << "h1s" << "r1 h1s" << true;
    QTest::newRow("upright square and diamond") << "h1s" << "r0 h1s r2" << false;
    QTest::newRow("both diagonal, squares of other parity") << "h1s r0" << "r0 h1s" << false;
    QTest::newRow("three square holes turned 180") << "h3s" << "h3s r3" << true;
    QTest::newRow("extra centre hole") << "h2c" << "h3c" << false;
}

void TestOpgaveRules::sameAs()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    const TOpgave plateA = PlateFromLine(a);
    const TOpgave plateB = PlateFromLine(b);
    const QString beforeA = DescribePlate(plateA);
    const QString beforeB = DescribePlate(plateB);
    QCOMPARE(plateA.SameAs(plateB), same);
    QCOMPARE(plateB.SameAs(plateA), same);
    QVERIFY(plateA.SameAs(plateA));
    QCOMPARE(DescribePlate(plateA), beforeA);
    QCOMPARE(DescribePlate(plateB), beforeB);
}

void TestOpgaveRules::sameAsIgnoresLyingAndOutline()
{
    TOpgave a = PlateFromLine(QStringLiteral("h3c s1"));
    TOpgave b = a;
    b.FLying = true;
    b.FOutline[0] = QPoint(40, 0);
    QVERIFY(a.SameAs(b));
}

void TestOpgaveRules::initMachineRec_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("shape");
    // Start from a record full of 9s to see which fields are set.
    QTest::newRow("rotate") << int(mcRotate) << 0 << 9;
    QTest::newRow("holes") << int(mcHoles) << 3 << 1;
    QTest::newRow("stripe") << int(mcStripe) << 0 << 9;
    QTest::newRow("none") << int(mcNone) << 9 << 9;
}

void TestOpgaveRules::initMachineRec()
{
    QFETCH(int, kind);
    QFETCH(int, setting);
    QFETCH(int, shape);
    TMachineRec rec{9, 9, 9};
    InitMachineRec(rec, TMachineKind(kind));
    QCOMPARE(int(rec.Kind), kind);
    QCOMPARE(int(rec.Setting), setting);
    QCOMPARE(int(rec.Shape), shape);
}

void TestOpgaveRules::angleOfSetting_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("angle");
    QTest::newRow("0") << 0 << 45;
    QTest::newRow("1") << 1 << 90;
    QTest::newRow("2") << 2 << 135;
    QTest::newRow("3") << 3 << 180;
    QTest::newRow("4") << 4 << 0;
    QTest::newRow("255") << 255 << 0;
}

void TestOpgaveRules::angleOfSetting()
{
    QFETCH(int, setting);
    QFETCH(int, angle);
    QCOMPARE(AngleOfSetting(std::uint8_t(setting)), angle);
}

void TestOpgaveRules::optionTexts()
{
    QCOMPARE(QString::fromUtf8(ShapeNames[0]), QStringLiteral("Cirkel"));
    QCOMPARE(QString::fromUtf8(ShapeNames[1]), QStringLiteral("Firkant"));
    QCOMPARE(QString::fromUtf8(HoleCountNames[2]), QStringLiteral("3"));
    QCOMPARE(QString::fromUtf8(AngleNames[2]), QStringLiteral("135"));
    QCOMPARE(QString::fromUtf8(StripeNames[1]), QStringLiteral("Mellem"));
    QCOMPARE(QString::fromUtf8(StripeNames[3]), QStringLiteral("Ingen"));
}

void TestOpgaveRules::selectorItems_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("rotate") << int(mcRotate)
                            << QStringList{QStringLiteral("45"), QStringLiteral("90"),
                                           QStringLiteral("135"), QStringLiteral("180")};
    QTest::newRow("holes") << int(mcHoles)
                           << QStringList{QStringLiteral("1 Cirkel"), QStringLiteral("2 Cirkel"),
                                          QStringLiteral("3 Cirkel"), QStringLiteral("1 Firkant"),
                                          QStringLiteral("2 Firkant"), QStringLiteral("3 Firkant")};
    QTest::newRow("stripe never offers Ingen")
        << int(mcStripe)
        << QStringList{QStringLiteral("Tynd"), QStringLiteral("Mellem"), QStringLiteral("Tyk")};
    QTest::newRow("empty slot") << int(mcNone) << QStringList{};
    QTest::newRow("unknown kind") << 7 << QStringList{};
}

void TestOpgaveRules::selectorItems()
{
    QFETCH(int, kind);
    QFETCH(QStringList, items);
    QCOMPARE(SelectorItems(std::uint8_t(kind)), items);
}

void TestOpgaveRules::selectorIndex_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("after");
    QTest::newRow("45") << "r2" << 0 << "r0";
    QTest::newRow("180") << "r0" << 3 << "r3";
    QTest::newRow("one circle") << "h3s" << 0 << "h1c";
    QTest::newRow("three circles") << "h1s" << 2 << "h3c";
    QTest::newRow("one square") << "h2c" << 3 << "h1s";
    QTest::newRow("two squares") << "h1c" << 4 << "h2s";
    QTest::newRow("three squares") << "h1c" << 5 << "h3s";
    QTest::newRow("thin") << "s2" << 0 << "s0";
    QTest::newRow("thick") << "s0" << 2 << "s2";
    QTest::newRow("nothing chosen") << "r2" << -1 << "r2";
    QTest::newRow("past the rotations") << "r1" << 4 << "r1";
    QTest::newRow("past the holes") << "h2c" << 6 << "h2c";
    QTest::newRow("Ingen is no item") << "s1" << 3 << "s1";
    QTest::newRow("empty slot") << "n" << 0 << "n";
}

void TestOpgaveRules::selectorIndex()
{
    QFETCH(QString, before);
    QFETCH(int, index);
    QFETCH(QString, after);
    TMachineRec rec = ParseLine(before).front();
    ApplySelectorIndex(rec, index);
    QCOMPARE(FormatLine({rec}), after);
}

void TestOpgaveRules::selectorIndexRoundTrip()
{
    for (std::uint8_t kind : {mcRotate, mcHoles, mcStripe}) {
        const int count = int(SelectorItems(kind).size());
        for (int index = 0; index < count; ++index) {
            TMachineRec rec;
            InitMachineRec(rec, TMachineKind(kind));
            ApplySelectorIndex(rec, index);
            QCOMPARE(SelectorIndexOf(rec), index);
        }
    }
    QCOMPARE(SelectorIndexOf(TMachineRec{mcNone, 0, 0}), -1);
    QCOMPARE(SelectorIndexOf(TMachineRec{mcRotate, 4, 0}), -1);
    QCOMPARE(SelectorIndexOf(TMachineRec{mcHoles, 0, 0}), -1);
    QCOMPARE(SelectorIndexOf(TMachineRec{mcStripe, 3, 0}), -1);
}

QTEST_GUILESS_MAIN(TestOpgaveRules)
#include "test_opgave_rules.moc"
