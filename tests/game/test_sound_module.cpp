// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own sound player loads Qt Multimedia from its module only once
// the player turns sound on, and plays through it once loaded.
#include "base/delay.h"
#include "game/braet.h"
#include "shell/soundloader.h"
#include "shell/soundplayer.h"
#include "support/testclock.h"

#include <QFile>
#include <QTest>

namespace {

bool Mapped(const char* library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

// Qt Multimedia loads the samples on a thread of its own; a sound effect
// destroyed while that is under way leaves Qt's loader objects behind, which
// the leak checker reports. The game's player lives as long as the program.
void LetSamplesLoad(const TSoundInterface& sound)
{
    QTRY_VERIFY_WITH_TIMEOUT(!sound.Loading(), 5000);
}

} // namespace

class TestSoundModule : public QObject {
    Q_OBJECT
    TTestClock FClock;
private Q_SLOTS:
    void loadsWhenSoundIsTurnedOn()
    {
        QVERIFY2(!SoundModulePath().isEmpty(), "the sound module is not found");
        QVERIFY(!Mapped("libQt6Multimedia"));
        TfmBraet window; // plays through the module
        window.FormActivate();
        QVERIFY(!Mapped("vorlen-sound.so"));
        QVERIFY(!Mapped("libQt6Multimedia"));
        // The sound starts off: idling loads nothing.
        Delay(500);
        QVERIFY(!Mapped("vorlen-sound.so"));
        // Turning it on loads the module once the click has been answered,
        // before the first sound is due.
        window.bbSoundClick();
        QVERIFY(!Mapped("vorlen-sound.so"));
        Delay(0);
        QVERIFY(Mapped("vorlen-sound.so"));
        QVERIFY(Mapped("libQt6Multimedia"));
        window.Sound().Play(QStringLiteral("OKLYD"));
        window.Sound().Stop();
        LetSamplesLoad(window.Sound());
    }

    void firstSoundLoadsAtOnce()
    {
        auto sound = CreateSoundPlayer();
        sound->Play(QStringLiteral("FEJLLYD")); // loads synchronously if needed
        QVERIFY(Mapped("vorlen-sound.so"));
        sound->Stop();
        LetSamplesLoad(*sound);
    }
};

QTEST_MAIN(TestSoundModule)
#include "test_sound_module.moc"
