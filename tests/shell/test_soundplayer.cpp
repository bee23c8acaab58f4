// SPDX-License-Identifier: GPL-3.0-or-later
// There is no audio device where these tests run: QSoundEffect then accepts
// play() and stop() but never finishes a sound, so the checks are about what
// the player asks of its effects, never about waiting for a sound's end.
#include "shell/sound/soundplayer_qt.h"

#include <QElapsedTimer>
#include <QtTest>

class TestSoundPlayer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void playAndStopReturnAtOnce();
    void bothSoundsLoadFromTheResources_data();
    void bothSoundsLoadFromTheResources();
    void playCutsOffTheOtherSound();
    void unknownNameOnlyStops();
};

void TestSoundPlayer::playAndStopReturnAtOnce()
{
    // Only checks that nothing blocks or crashes without an audio device.
    QElapsedTimer timer;
    timer.start();
    {
        TQtSoundPlayer player;
        player.Play(QStringLiteral("OKLYD"));
        player.Play(QStringLiteral("FEJLLYD"));
        player.Stop();
        player.Play(QStringLiteral("OKLYD"));
    }
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
}

void TestSoundPlayer::bothSoundsLoadFromTheResources_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("OKLYD") << QStringLiteral("OKLYD");
    QTest::newRow("FEJLLYD") << QStringLiteral("FEJLLYD");
}

void TestSoundPlayer::bothSoundsLoadFromTheResources()
{
    QFETCH(QString, name);
    TQtSoundPlayer player;
    const QSoundEffect* effect = player.Effect(name);
    QVERIFY(effect);
    QVERIFY(!effect->source().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(effect->status(), QSoundEffect::Ready, 5000);
}

void TestSoundPlayer::playCutsOffTheOtherSound()
{
    TQtSoundPlayer player;
    const QSoundEffect* ok = player.Effect(QStringLiteral("OKLYD"));
    const QSoundEffect* wrong = player.Effect(QStringLiteral("FEJLLYD"));
    QVERIFY(ok && wrong);
    QTRY_VERIFY_WITH_TIMEOUT(ok->status() == QSoundEffect::Ready && wrong->status() == QSoundEffect::Ready,
                             5000);

    player.Play(QStringLiteral("OKLYD"));
    QVERIFY(ok->isPlaying());
    QVERIFY(!wrong->isPlaying());

    player.Play(QStringLiteral("FEJLLYD"));
    QVERIFY(!ok->isPlaying());
    QVERIFY(wrong->isPlaying());

    player.Stop();
    QVERIFY(!ok->isPlaying());
    QVERIFY(!wrong->isPlaying());
}

void TestSoundPlayer::unknownNameOnlyStops()
{
    TQtSoundPlayer player;
    const QSoundEffect* ok = player.Effect(QStringLiteral("OKLYD"));
    QVERIFY(ok);
    QVERIFY(!player.Effect(QStringLiteral("HULLER1")));
    QTRY_COMPARE_WITH_TIMEOUT(ok->status(), QSoundEffect::Ready, 5000);
    player.Play(QStringLiteral("OKLYD"));
    player.Play(QStringLiteral("HULLER1"));
    QVERIFY(!ok->isPlaying());
}

QTEST_MAIN(TestSoundPlayer)
#include "test_soundplayer.moc"
