// SPDX-License-Identifier: GPL-3.0-or-later
// A sound server that takes the connection and never answers (Qt Multimedia
// then waits about 30 s for it): the window keeps answering keys, a run keeps
// its timeline and its lamp, and closing does not wait. Real time, since the
// wait is the sound system's; bounded to about two seconds.
#include "game/game_support.h"

#include "app/assembly.h"
#include "base/delay.h"
#include "floor/picturebox.h"
#include "support/testclock.h"

#include <QElapsedTimer>
#include <QInputDevice>
#include <QKeyEvent>
#include <QMutex>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <atomic>
#include <map>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace gametest;

namespace {

// Posts a key to the window every 50 ms from another thread and records how
// long each took to arrive on the window's thread.
class TKeyProbe final : public QObject {
public:
    explicit TKeyProbe(QWidget& window) : FWindow(window)
    {
        FClock.start();
        window.installEventFilter(this);
        // Asked here: made on first use, it belongs to the window's thread.
        const QInputDevice* keyboard = QInputDevice::primaryKeyboard();
        FThread = std::thread([this, keyboard] {
            for (quint32 n = 1; !FStop; ++n) {
                {
                    const QMutexLocker lock(&FLock);
                    FPosted[n] = FClock.elapsed();
                }
                QCoreApplication::postEvent(&FWindow, new QKeyEvent(QEvent::KeyPress, Qt::Key_Shift,
                                                                     Qt::NoModifier, n, 0, 0, QString(), false, 1,
                                                                     keyboard));
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
    }
    ~TKeyProbe() override { Finish(); }

    // Stops posting and answers the keys still queued.
    void Finish()
    {
        if (FThread.joinable()) {
            FStop = true;
            FThread.join();
            QCoreApplication::sendPostedEvents(&FWindow, QEvent::KeyPress);
            FWindow.removeEventFilter(this);
        }
    }
    qint64 Slowest() const { return FSlowest; }
    int Answered() const { return FAnswered; }
    int Posted() const
    {
        const QMutexLocker lock(&FLock);
        return int(FPosted.size());
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QMutexLocker lock(&FLock);
            const auto it = FPosted.find(key->nativeScanCode());
            if (key->key() == Qt::Key_Shift && it != FPosted.end()) {
                FSlowest = std::max(FSlowest, FClock.elapsed() - it->second);
                ++FAnswered;
                return true;
            }
        }
        return false;
    }

private:
    QWidget& FWindow;
    QElapsedTimer FClock;
    mutable QMutex FLock;
    std::map<quint32, qint64> FPosted;
    std::atomic<bool> FStop{false};
    std::thread FThread;
    qint64 FSlowest = 0;
    int FAnswered = 0;
};

} // namespace

class TestSilentSoundServer : public QObject {
    Q_OBJECT
    QTemporaryDir FDir;
    int FServer = -1; // listens, never accepts: a connection waits in its queue

private Q_SLOTS:
    void initTestCase()
    {
        const QByteArray path = QFile::encodeName(FDir.filePath(QStringLiteral("pulse")));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(std::size_t(path.size()) < sizeof(address.sun_path));
        std::copy(path.begin(), path.end(), address.sun_path);
        FServer = socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(FServer >= 0);
        QVERIFY(bind(FServer, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0);
        QVERIFY(listen(FServer, 16) == 0);
        qputenv("PULSE_SERVER", "unix:" + path);
    }
    void cleanupTestCase() { ::close(FServer); }

    void windowKeepsAnswering()
    {
        TTestClock clock;
        ClearQuitRequest();
        std::unique_ptr<TfmBraet> w = AssembleGame(); // the game's own sound player
        w->show();
        w->FormActivate();
        RunEmptyFloor(*w, clock); // a run with the sound off: the timeline to keep
        const std::vector<std::uint32_t> silentRun = clock.Waits();

        TKeyProbe probe(*w);
        QElapsedTimer real;
        real.start();
        w->bbSound->click(); // starts loading Qt Multimedia
        QTest::qWait(400);
        for (int k = 0; k < 3; ++k) {
            QElapsedTimer run;
            run.start();
            RunEmptyFloor(*w, clock);
            // The sound is asked for and skipped, not waited for.
            QVERIFY2(run.elapsed() < 500, qPrintable(QString::number(run.elapsed())));
            QCOMPARE(clock.Waits(), silentRun);
            QCOMPARE(w->FVerdict, vdWrong);
            QVERIFY(w->FLampLit && InFront(w->imRoedTaend, w->imRoedSluk));
            w->bbSound->click();
            w->bbSound->click();
            QTest::qWait(300);
        }
        // Ctrl+Q and "Ja": the window goes at once.
        TDialogAnswer yes(QStringLiteral("YES"));
        QTest::keyClick(w.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(yes.Seen());
        probe.Finish();
        QElapsedTimer closing;
        closing.start();
        w.reset();
        QVERIFY2(closing.elapsed() < 1000, qPrintable(QString::number(closing.elapsed())));
        qInfo("%d keys, the slowest answered after %lld ms", probe.Answered(), probe.Slowest());
        QVERIFY2(probe.Slowest() < 500, qPrintable(QStringLiteral("a key waited %1 ms").arg(probe.Slowest())));
        QVERIFY(probe.Posted() >= 20);
        QCOMPARE(probe.Answered(), probe.Posted());
        QVERIFY2(real.elapsed() < 25000, "the sound system answered: the server was not silent");
        ClearQuitRequest();
    }

private:
    // A wrong run of the empty floor against an easy task, its waits recorded.
    static void RunEmptyFloor(TfmBraet& w, TTestClock& clock)
    {
        if (!w.FTask)
            w.StartTask(0, 5);
        w.ClearAllSlots();
        clock.ClearWaits();
        w.bbKoerPladeClick();
    }
};

QTEST_MAIN(TestSilentSoundServer)
#include "test_sound_silent_server.moc"
