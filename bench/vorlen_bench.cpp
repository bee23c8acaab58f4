// SPDX-License-Identifier: GPL-3.0-or-later
// How fast and how cheaply the game runs on a real display with the real
// clock: the pace of a run against the waits it asks for, the processor time
// of a run and of an idle window, and start-up time and memory against a bare
// Qt Widgets window. Prints raw figures, then one "key: value" line per
// figure. Meant to be started under a display, e.g.
//   xvfb-run -a -s "-screen 0 1024x768x24" vorlen-bench
//
// With --scales it starts the game at 1x and at 2x alternately instead and
// prints the 2x-versus-1x ratios (needs a 2048 x 1536 screen).
//
// With --game-child it is the game itself (the same start as the real
// program) with a reporter of its first paint: the parent starts it.
#include "bench_child.h"

#include "floor/settingselector.h"
#include "app/assembly.h"
#include "game/braet.h"
#include "model/draw_grid.h"
#include "model/machdefs.h"
#include "shell/about.h"
#include "base/clock.h"
#include "base/delay.h"
#include "shell/fonts.h"
#include "shell/picture_prefetch.h"
#include "shell/resources.h"
#include "shell/soundloader.h"
#include "shell/splash.h"
#include "app/startup.h"
#include "app/startup_steps.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QIcon>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <utility>
#include <vector>

namespace {

double ProcessCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// What the waits of one run asked for and took.
struct TWaitBooks {
    int Waits = 0;
    int NestedWaits = 0;
    double NominalMs = 0; // asked ms + 1 per wait: the least a wait on a millisecond tick takes
    double WaitedMs = 0;
    int StepWaits = 0; // the 2 ms waits of the travelling bar
    double StepNominalMs = 0;
    double StepWaitedMs = 0;
    double LongestOverMs = 0;
};

// Forwards to the clock that was in use and keeps the books. Waits started
// inside another wait are part of the outer one's time and are only counted.
class TMeasuringClock final : public TClock {
public:
    explicit TMeasuringClock(TClock& inner) : FInner(inner) {}

    std::uint32_t Tick() override { return FInner.Tick(); }
    QDateTime NowUtc() override { return FInner.NowUtc(); }
    TTimerQueue* Timers() override { return FInner.Timers(); }

    void Wait(std::uint32_t ms) override
    {
        if (FDepth > 0) {
            ++Books.NestedWaits;
            FInner.Wait(ms);
            return;
        }
        ++FDepth;
        QElapsedTimer timer;
        timer.start();
        FInner.Wait(ms);
        const double took = double(timer.nsecsElapsed()) / 1e6;
        --FDepth;
        const double nominal = double(ms) + 1;
        ++Books.Waits;
        Books.NominalMs += nominal;
        Books.WaitedMs += took;
        if (ms <= 2) {
            ++Books.StepWaits;
            Books.StepNominalMs += nominal;
            Books.StepWaitedMs += took;
        }
        Books.LongestOverMs = std::max(Books.LongestOverMs, took - nominal);
    }

    TWaitBooks Books;

private:
    TClock& FInner;
    int FDepth = 0;
};

struct TRunFigures {
    double WallMs = 0;
    double CpuMs = 0;
    double NominalMs = 0;
};

TRunFigures TimeRun(TfmBraet& w, TMeasuringClock& clock, const char* name)
{
    clock.Books = {};
    const double cpu0 = ProcessCpuMs();
    QElapsedTimer wall;
    wall.start();
    w.bbKoerPladeClick();
    TRunFigures f;
    f.WallMs = double(wall.nsecsElapsed()) / 1e6;
    f.CpuMs = ProcessCpuMs() - cpu0;
    const TWaitBooks& b = clock.Books;
    f.NominalMs = b.NominalMs;
    std::printf("run %s: wall_ms %.1f, nominal_ms %.1f, cpu_ms %.1f, waits %d (nested %d), "
                "waited_ms %.1f, outside_waits_ms %.1f, step_waits %d step_nominal_ms %.1f step_waited_ms %.1f, "
                "worst_overshoot_ms %.2f\n",
                name, f.WallMs, f.NominalMs, f.CpuMs, b.Waits, b.NestedWaits, b.WaitedMs, f.WallMs - b.WaitedMs,
                b.StepWaits, b.StepNominalMs, b.StepWaitedMs, b.LongestOverMs);
    std::fflush(stdout);
    return f;
}

void Settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Puts a machine into slot `index` (0..7) as the player does: place it, then
// choose a selector item.
void Put(TfmBraet& w, int index, TMachineKind kind, int item)
{
    TMachineComp& slot = *w.FMachines[std::size_t(index)];
    w.PlaceMachine(slot, kind);
    slot.FSelector->setCurrentIndex(item);
    w.cbSettingChange(slot.FSelector);
}

struct TInProcess {
    TRunFigures Empty;
    TRunFigures Line;
    double IdleWallMs = 0;
    double IdleCpuMs = 0;
    bool Ok = false;
};

TInProcess MeasureInProcess()
{
    TInProcess r;
    InstallFontSubstitutes();
    InstallDanishTranslations(*qApp);
    const std::unique_ptr<TfmBraet> game = AssembleGame();
    TfmBraet& w = *game;
    w.show();
    QElapsedTimer exposing;
    exposing.start();
    while (!(w.windowHandle() && w.windowHandle()->isExposed()) && exposing.elapsed() < 5000)
        Settle(10);
    w.FormActivate();
    Settle(300);
    if (w.FMachines.size() != 8) {
        std::printf("error: the floor has %zu slots, not 8\n", w.FMachines.size());
        return r;
    }

    TMeasuringClock clock(CurrentClock());
    TClock* const previous = SetClock(&clock);

    r.Empty = TimeRun(w, clock, "empty_floor");
    Settle(300);

    // Three holes, 90 degrees, thick stripe (MALER3), two square holes,
    // 45 degrees, thin stripe, one hole, 180 degrees.
    Put(w, 0, mcHoles, 2);
    Put(w, 1, mcRotate, 1);
    Put(w, 2, mcStripe, 2);
    Put(w, 3, mcHoles, 4);
    Put(w, 4, mcRotate, 0);
    Put(w, 5, mcStripe, 0);
    Put(w, 6, mcHoles, 0);
    Put(w, 7, mcRotate, 3);
    std::printf("line:");
    for (const auto& slot : w.FMachines)
        std::printf(" %d/%d/%d", int(slot->FMachine.Kind), int(slot->FMachine.Setting), int(slot->FMachine.Shape));
    std::printf("\n");
    Settle(300);
    r.Line = TimeRun(w, clock, "eight_machines");

    SetClock(previous);
    Settle(300);

    // Idle: a task on show, no run, no lamp blinking.
    w.StartTask(0);
    QElapsedTimer blinking;
    blinking.start();
    while (w.LightTimer->isActive() && blinking.elapsed() < 15000)
        Settle(50);
    w.LampsOff();
    Settle(500);
    std::printf("idle: task shown %s, lamp timer %s\n", w.FTask ? "yes" : "no",
                w.LightTimer->isActive() ? "on" : "off");
    const double cpu0 = ProcessCpuMs();
    QElapsedTimer wall;
    wall.start();
    Settle(5000);
    r.IdleWallMs = double(wall.nsecsElapsed()) / 1e6;
    r.IdleCpuMs = ProcessCpuMs() - cpu0;
    std::printf("idle: wall_ms %.1f, cpu_ms %.2f\n", r.IdleWallMs, r.IdleCpuMs);

    // The window must not ask "Luk?" on its way out.
    w.FTask.reset();
    w.FTaskGiven = false;
    // A run that waited for nothing did not run at all.
    r.Ok = !QuitRequested() && r.Empty.NominalMs > 0 && r.Line.NominalMs > 0;
    if (!r.Ok)
        std::printf("error: a run did not take place\n");
    return r;
}

// The start of VorlenRun step by step with a stamp after each step, the
// sound player made apart from the window to see what it costs. Only for
// finding where the start-up goes; the figures come from VorlenRun itself.
int TracedGameStart(QApplication& app)
{
    using R = TFirstPaintReporter;
    R::Trace("application");
    PrefetchPictures(DeviceGrid(app.devicePixelRatio()));
    QApplication::setApplicationName(QStringLiteral("Vorlen"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vorlen"));
    InstallFontSubstitutes();
    InstallDanishTranslations(app);
    R::Trace("fonts and translations");
    const QImage icon = LoadPicture(QStringLiteral("MAINICON"));
    if (!icon.isNull())
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    R::Trace("icon");
    // Without Qt Multimedia's sound effects, to see what they cost.
    struct TSilence final : TSoundInterface {
        void Play(const QString&) override {}
        void Stop() override {}
    };
    std::unique_ptr<TSoundInterface> sound;
    if (app.arguments().contains(QStringLiteral("--silent")))
        sound = std::make_unique<TSilence>();
    else
        sound = CreateSoundPlayer();
    R::Trace("sound player");
    std::unique_ptr<TfmBraet> form = AssembleGame(sound.get());
    R::Trace("main window built");
    FormCreate(*form);
    R::Trace("splash painted");
    form->fmAbout = new TfmAbout(form.get());
    R::Trace("about box");
    EndPicturePrefetch();
    ShowMainWindow(*form);
    R::Trace("main window shown");
    const int exitCode = QApplication::exec();
    form.reset();
    FreeSplash();
    return exitCode;
}

struct TChildResult {
    double FirstPaintMs = -1;
    double FirstPaintCpuMs = -1;
    double PeakRssMiB = -1;
    struct TStamp {
        QByteArray Label;
        double Ms;
        double MiB;
        double CpuMs;
        QByteArray Detail;
    };
    std::vector<TStamp> Trace;
};

// `scale` > 0 sets QT_SCALE_FACTOR for the child; 0 leaves the environment
// as it is.
TChildResult RunChild(const QString& program, const QStringList& args, int scale = 0)
{
    TChildResult result;
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    if (scale > 0) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
        child.setProcessEnvironment(env);
    }
    const double t0 = TFirstPaintReporter::MonotonicMs();
    child.start(program, args + QStringList{QStringLiteral("--t0"), QString::number(t0, 'f', 3)});
    if (!child.waitForStarted(10000) || !child.waitForFinished(30000)) {
        child.kill();
        child.waitForFinished(3000);
        return result;
    }
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("first_paint_ms:"))
            result.FirstPaintMs = line.mid(15).trimmed().toDouble();
        else if (line.startsWith("first_paint_cpu_ms:"))
            result.FirstPaintCpuMs = line.mid(19).trimmed().toDouble();
        else if (line.startsWith("peak_rss_mib:"))
            result.PeakRssMiB = line.mid(13).trimmed().toDouble();
        else if (line.startsWith("trace ")) {
            // "trace <label>: <ms> ms <MiB> MiB <cpu> cpu_ms (...)"
            const qsizetype colon = line.lastIndexOf(':');
            const QList<QByteArray> parts = line.mid(colon + 1).trimmed().split(' ');
            if (parts.size() >= 5)
                result.Trace.push_back({line.mid(6, colon - 6), parts[0].toDouble(), parts[2].toDouble(),
                                        parts[4].toDouble(), line.mid(line.indexOf('(', colon))});
        }
    }
    return result;
}

struct TStartup {
    double GameMs = -1;
    double BareMs = -1;
    double GameRss = -1;
    double BareRss = -1;
    double GameCpuMs = -1;
    double BareCpuMs = -1;
};

TStartup MeasureStartup(int rounds)
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QDir(dir).filePath(QStringLiteral("vorlen-bench-bare"));
    std::vector<double> gameMs, bareMs, gameRss, bareRss, gameCpu, bareCpu;
    for (int i = 0; i < rounds; ++i) {
        // Alternate which goes first, so that neither always finds the
        // caches just warmed by the other.
        for (int k = 0; k < 2; ++k) {
            const bool game = (i + k) % 2 == 0;
            const TChildResult r = game ? RunChild(self, {QStringLiteral("--game-child")}) : RunChild(bare, {});
            std::printf("start %d %s: first_paint_ms %.1f, processor_ms %.1f, peak_rss_mib %.1f\n", i + 1,
                        game ? "game" : "bare", r.FirstPaintMs, r.FirstPaintCpuMs, r.PeakRssMiB);
            std::fflush(stdout);
            if (r.FirstPaintMs < 0)
                continue;
            (game ? gameMs : bareMs).push_back(r.FirstPaintMs);
            (game ? gameRss : bareRss).push_back(r.PeakRssMiB);
            (game ? gameCpu : bareCpu).push_back(r.FirstPaintCpuMs);
        }
    }
    return {Median(gameMs), Median(bareMs), Median(gameRss), Median(bareRss), Median(gameCpu), Median(bareCpu)};
}

// The game at 1x and at 2x (QT_SCALE_FACTOR=2) alternately: what the finer
// pictures cost at start-up, measured side by side. Needs a screen of at
// least 2048 x 1536, else the 2x window does not fit and Qt shrinks it.
struct TScales {
    double Ms1 = -1, Ms2 = -1, Rss1 = -1, Rss2 = -1, Cpu1 = -1, Cpu2 = -1;
};

TScales MeasureScales(int rounds)
{
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> ms[2], rss[2], cpu[2];
    for (int i = 0; i < rounds; ++i)
        for (int k = 0; k < 2; ++k) {
            const int side = (i + k) % 2; // 0: 1x, 1: 2x
            const TChildResult r = RunChild(self, {QStringLiteral("--game-child")}, side + 1);
            std::printf("start %d game %dx: first_paint_ms %.1f, processor_ms %.1f, peak_rss_mib %.1f\n", i + 1,
                        side + 1, r.FirstPaintMs, r.FirstPaintCpuMs, r.PeakRssMiB);
            std::fflush(stdout);
            if (r.FirstPaintMs < 0)
                continue;
            ms[side].push_back(r.FirstPaintMs);
            rss[side].push_back(r.PeakRssMiB);
            cpu[side].push_back(r.FirstPaintCpuMs);
        }
    return {Median(ms[0]), Median(ms[1]), Median(rss[0]), Median(rss[1]), Median(cpu[0]), Median(cpu[1])};
}

// Starts each side `rounds` times with --trace and prints the median time
// and resident memory at every stamp.
void TraceStartup(int rounds, bool silent)
{
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vorlen-bench-bare"));
    for (const bool game : {false, true}) {
        std::vector<QByteArray> labels, details;
        std::vector<std::vector<double>> ms, mib, cpu;
        for (int i = 0; i < rounds; ++i) {
            QStringList gameArgs{QStringLiteral("--game-child"), QStringLiteral("--trace")};
            if (silent)
                gameArgs.append(QStringLiteral("--silent"));
            const TChildResult r = game ? RunChild(self, gameArgs) : RunChild(bare, {QStringLiteral("--trace")});
            for (std::size_t k = 0; k < r.Trace.size(); ++k) {
                if (labels.size() <= k) {
                    labels.push_back(r.Trace[k].Label);
                    details.push_back(r.Trace[k].Detail);
                    ms.emplace_back();
                    mib.emplace_back();
                    cpu.emplace_back();
                }
                ms[k].push_back(r.Trace[k].Ms);
                mib[k].push_back(r.Trace[k].MiB);
                cpu[k].push_back(r.Trace[k].CpuMs);
            }
        }
        for (std::size_t k = 0; k < labels.size(); ++k)
            std::printf("trace %s %s: %.1f ms, %.1f ms processor, %.1f MiB resident; first round %s\n",
                        game ? "game" : "bare", labels[k].constData(), Median(ms[k]), Median(cpu[k]), Median(mib[k]),
                        details[k].constData());
    }
}

} // namespace

int main(int argc, char** argv)
{
    bool gameChild = false;
    int rounds = 9;
    bool skipRuns = false;
    bool runsOnly = false;
    bool trace = false;
    bool scales = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--game-child")
            gameChild = true;
        else if (arg == "--rounds" && i + 1 < argc)
            rounds = std::max(5, QByteArray(argv[++i]).toInt());
        else if (arg == "--startup-only")
            skipRuns = true;
        else if (arg == "--runs-only")
            runsOnly = true;
        else if (arg == "--trace")
            trace = true;
        else if (arg == "--scales")
            scales = true;
    }

    TFirstPaintReporter::StartTrace(argc, argv);
    TFirstPaintReporter::Trace("main");
    QApplication app(argc, argv);
    if (gameChild) {
        TFirstPaintReporter reporter(app, QStringLiteral("ImageVorlen"));
        return trace ? TracedGameStart(app) : VorlenRun(app);
    }
    if (trace) {
        TraceStartup(rounds, app.arguments().contains(QStringLiteral("--silent")));
        return 0;
    }

    std::printf("platform: %s\n", qPrintable(QApplication::platformName()));
    if (scales) {
        const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize();
        if (screen.width() < 2048 || screen.height() < 1536) {
            std::printf("error: --scales needs a screen of at least 2048 x 1536 (this one is %d x %d), e.g.\n"
                        "  xvfb-run -a -s \"-screen 0 2048x1536x24\" vorlen-bench --scales\n",
                        screen.width(), screen.height());
            return 1;
        }
        const TScales f = MeasureScales(rounds);
        std::printf("scales median: 1x first_paint_ms %.1f processor_ms %.1f peak_rss_mib %.1f; "
                    "2x first_paint_ms %.1f processor_ms %.1f peak_rss_mib %.1f\n",
                    f.Ms1, f.Cpu1, f.Rss1, f.Ms2, f.Cpu2, f.Rss2);
        std::printf("scale2_processor_ratio: %.2f\n", f.Cpu2 / f.Cpu1);
        std::printf("scale2_startup_ratio: %.2f\n", f.Ms2 / f.Ms1);
        std::printf("scale2_rss_ratio: %.2f\n", f.Rss2 / f.Rss1);
        std::fflush(stdout);
        return f.Ms1 > 0 && f.Ms2 > 0 ? 0 : 1;
    }
    if (runsOnly) {
        // The runs alone, for profilers: no other processes, no start-ups.
        const TInProcess in = MeasureInProcess();
        std::printf("run_cpu_percent: %.1f\n",
                    100.0 * (in.Empty.CpuMs + in.Line.CpuMs) / (in.Empty.WallMs + in.Line.WallMs));
        return in.Ok ? 0 : 1;
    }
    const TStartup start = MeasureStartup(rounds);
    std::printf("startup median: game_first_paint_ms %.1f, bare_first_paint_ms %.1f\n", start.GameMs, start.BareMs);
    // Processor time to the first paint: less swayed by other load than the wall time.
    std::printf("startup processor median: game_ms %.1f, bare_ms %.1f, ratio %.2f\n", start.GameCpuMs,
                start.BareCpuMs, start.GameCpuMs / start.BareCpuMs);
    std::printf("peak rss median: game_mib %.1f, bare_mib %.1f\n", start.GameRss, start.BareRss);

    TInProcess in;
    if (!skipRuns)
        in = MeasureInProcess();
    if (!skipRuns && in.Ok) {
        const double emptyRatio = in.Empty.WallMs / in.Empty.NominalMs;
        const double lineRatio = in.Line.WallMs / in.Line.NominalMs;
        std::printf("run ratios: empty_floor %.4f, eight_machines %.4f\n", emptyRatio, lineRatio);
        std::printf("run_timeline_ratio: %.3f\n", std::max(emptyRatio, lineRatio));
        std::printf("run_cpu_percent: %.1f\n",
                    100.0 * (in.Empty.CpuMs + in.Line.CpuMs) / (in.Empty.WallMs + in.Line.WallMs));
        std::printf("idle_cpu_percent: %.2f\n", 100.0 * in.IdleCpuMs / in.IdleWallMs);
    }
    std::printf("startup_ratio: %.2f\n", start.GameMs / start.BareMs);
    std::printf("rss_ratio: %.2f\n", start.GameRss / start.BareRss);
    std::fflush(stdout);
    const bool complete = start.GameMs > 0 && start.BareMs > 0 && (skipRuns || in.Ok);
    return complete ? 0 : 1;
}
