// SPDX-License-Identifier: GPL-3.0-or-later
// Plates and machines in words: the words tell plates apart exactly as the
// comparison does, and read as a pupil would say them.
#include "model/generator.h"
#include "model/opgave.h"
#include "model/plate_words.h"

#include <QTest>

class TestPlateWords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameWordsExactlyForSamePlates()
    {
        // Every way a line can leave a plate, many times over: two plates
        // sound alike exactly when they count as the same.
        std::vector<TOpgave> plates;
        for (std::uint32_t seed = 1; seed <= 250; ++seed)
            for (int difficulty = 0; difficulty < 3; ++difficulty)
                plates.push_back(GenerateTask(seed * 7919u, difficulty));
        std::vector<QString> words;
        for (const TOpgave& p : plates)
            words.push_back(PlateWords(p));
        int same = 0;
        for (std::size_t i = 0; i < plates.size(); ++i)
            for (std::size_t j = i + 1; j < plates.size(); ++j) {
                const bool alike = plates[i].SameAs(plates[j]);
                same += alike;
                if (alike != (words[i] == words[j]))
                    QFAIL(qPrintable(words[i] + QStringLiteral(" / ") + words[j]));
            }
        QVERIFY(same > 0);
    }

    void twoStripesAndCentreHoles()
    {
        TOpgave plate;
        plate.Reset();
        QCOMPARE(PlateWords(plate), QStringLiteral("Pladen står lige. Ingen huller og ingen streger."));
        plate.ApplyMachine({mcStripe, 0, 0});
        plate.ApplyMachine({mcHoles, 1, 1}); // a square in the middle, punched straight
        plate.ApplyMachine({mcRotate, 1, 0}); // 90 degrees
        plate.ApplyMachine({mcStripe, 2, 0});
        plate.ApplyMachine({mcRotate, 0, 0}); // 45 more: on its corner
        QCOMPARE(PlateWords(plate), QStringLiteral("Pladen står på spidsen. I midten et firkantet hul på spidsen. "
                                                   "Skråt op mod højre: tyk streg. "
                                                   "Skråt ned mod højre: tynd streg."));
    }
};

QTEST_APPLESS_MAIN(TestPlateWords)
#include "test_plate_words.moc"
