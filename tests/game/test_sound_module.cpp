// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own sound player loads Qt Multimedia from its module only once
// the player turns sound on, and plays through it once loaded.
#include "base/delay.h"
#include "game/braet.h"
#include "shell/soundloader.h"
#include "shell/soundplayer.h"
#include "support/testclock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QToolButton>
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
    void initTestCase()
    {
        // No sound server, on any machine: the sound system fails at once.
        qputenv("PULSE_SERVER", "unix:/nonexistent/vorlen-test/pulse");
    }

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
        // Turning it on loads the module before the first sound is due.
        window.bbSoundClick();
        QTRY_VERIFY_WITH_TIMEOUT(Mapped("vorlen-sound.so"), 5000);
        QVERIFY(Mapped("libQt6Multimedia"));
        window.Sound().Play(QStringLiteral("OKLYD"));
        window.Sound().Stop();
        // No sound server here: the sound button says that no sound can be
        // played, and still what its click does.
        QTRY_COMPARE_WITH_TIMEOUT(window.bbSound->toolTip(),
                                  QStringLiteral("Lyd fra\nDer kan ikke spilles lyd: der er ingen lydudgang, eller "
                                                 "lydsystemet svarer ikke."),
                                  5000);
        window.bbSoundClick();
        QVERIFY(window.bbSound->toolTip().startsWith(QStringLiteral("Lyd til\nDer kan ikke spilles lyd")));
        QCOMPARE(window.bbSound->accessibleName(), QStringLiteral("Lyd til"));
        LetSamplesLoad(window.Sound());
    }

    // A first sound before the sound was turned on starts the loading on
    // the sound's own thread and returns at once.
    void firstSoundLoadsOnItsThread()
    {
        auto sound = CreateSoundPlayer();
        QElapsedTimer timer;
        timer.start();
        sound->Play(QStringLiteral("FEJLLYD"));
        sound->Stop();
        QVERIFY2(timer.elapsed() < 100, qPrintable(QString::number(timer.elapsed())));
        QTRY_VERIFY_WITH_TIMEOUT(Mapped("vorlen-sound.so"), 5000);
        LetSamplesLoad(*sound);
    }
};

QTEST_MAIN(TestSoundModule)
#include "test_sound_module.moc"
