// SPDX-License-Identifier: GPL-3.0-or-later
// The difference hint agrees with SameAs on generated plates, and names only
// what was changed.
#include "model/generator.h"
#include "model/plate_diff.h"

#include <QTest>

namespace {

const QString TurnLine = QStringLiteral("Pladen er drejet forkert");
const QString HolesLine = QStringLiteral("Hullerne er forskellige");
const QString HiddenInTask = QStringLiteral("I opgaven er der et rundt hul oven på et firkantet hul i midten og to runde "
                                             "huller oven på firkantede huller på den vandrette linje");
const QString StripesLine = QStringLiteral("Striberne er forskellige");

TOpgave Turned(const TOpgave& plate, int steps)
{
    TOpgave out;
    out.Assign(plate);
    out.FAngle = (plate.FAngle + 45 * steps) % 360;
    return out;
}

} // namespace

class TestPlateDiff : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Generated tasks against each other, against one more random machine and
    // against turns of themselves: empty exactly when SameAs holds.
    void emptyExactlyWhenSame()
    {
        int same = 0;
        int differ = 0;
        for (std::uint32_t seed = 1; seed <= 1500; ++seed) {
            const TOpgave task = GenerateTask(seed * 7919u, int(seed % 3));
            TRandom random(seed);
            TMachineRec extra;
            RandomMachine(extra, nullptr, random);
            TOpgave more;
            more.Assign(task);
            more.ApplyMachine(extra);
            const TOpgave others[] = {GenerateTask(seed * 104729u, int(seed % 3)), more,
                                      Turned(task, int(seed % 4))};
            for (const TOpgave& produced : others) {
                for (const auto& [a, b] : {std::pair{&produced, &task}, std::pair{&task, &produced}}) {
                    const QStringList hint = DifferenceHint(*a, *b);
                    QVERIFY2(hint.isEmpty() == a->SameAs(*b), qPrintable(QString::number(seed)));
                    QVERIFY(hint.size() <= 4);
                    ++(hint.isEmpty() ? same : differ);
                }
            }
        }
        QVERIFY(same > 1000 && differ > 1000);
    }

    // Changing one component of a generated plate names that component only.
    void namesOnlyWhatChanged()
    {
        for (std::uint32_t seed = 1; seed <= 600; ++seed) {
            const TOpgave task = GenerateTask(seed * 31u, 2);
            const auto axis = std::uint8_t(seed % 4);

            for (int steps = 1; steps < 4; ++steps) {
                const TOpgave turned = Turned(task, steps);
                const QStringList hint = DifferenceHint(turned, task);
                QCOMPARE(hint, turned.SameAs(task) ? QStringList() : QStringList{TurnLine});
            }

            TOpgave holes;
            holes.Assign(task);
            bool producedHas = false; // the changed hole is in the produced plate
            if (seed % 3 == 0) {
                holes.FCircleHoles[axis] ^= 1;
            } else if (seed % 3 == 1) {
                holes.FSquareHoles[axis] ^= 1;
                producedHas = holes.FSquareHoles[axis] != 0;
            } else {
                const auto bit = std::uint8_t(1u << (seed % 9 / 3));
                holes.FCentreHoles ^= bit;
                producedHas = (holes.FCentreHoles & bit) != 0;
            }
            const QStringList holeHint = DifferenceHint(holes, task);
            // A hidden square is told in the one plate that has it.
            const QString hidden = producedHas ? QStringLiteral("På din plade er der ")
                                               : QStringLiteral("I opgaven er der ");
            QVERIFY(holeHint == QStringList{HolesLine}
                    || (holeHint.size() == 1 && holeHint.first().startsWith(hidden)));
            // Hidden only when a round hole covers both the square and its absence.
            if (seed % 3 == 1)
                QCOMPARE(holeHint.first() != HolesLine, task.FCircleHoles[axis] == 1);

            TOpgave stripes;
            stripes.Assign(task);
            stripes.FStripes[axis] = std::uint8_t((task.FStripes[axis] + 1 + seed % 3) % 4);
            QCOMPARE(DifferenceHint(stripes, task), QStringList{StripesLine});
        }

        // A round hole punched over a square one, against the round hole alone,
        // both in the centre and as a pair; and turned besides.
        TOpgave round;
        round.Reset();
        round.AddHoles(0, 3);
        TOpgave both;
        both.Assign(round);
        both.AddHoles(1, 3);
        QCOMPARE(DifferenceHint(round, both), QStringList{HiddenInTask});
        QCOMPARE(DifferenceHint(Turned(round, 1), both), (QStringList{TurnLine, HiddenInTask}));
        // The produced plate's square is told where it is on the screen, turned.
        QCOMPARE(DifferenceHint(Turned(both, 2), Turned(round, 2)),
                 QStringList({QStringLiteral("På din plade er der et rundt hul oven på et firkantet hul "
                                                       "i midten og to runde huller oven på firkantede huller på "
                                                       "den lodrette linje")}));
        TOpgave square;
        square.Reset();
        square.AddHoles(1, 3);
        QCOMPARE(DifferenceHint(both, square), QStringList{HolesLine});
    }
};

QTEST_MAIN(TestPlateDiff)
#include "test_plate_diff.moc"
