// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_child.h"

#include "base/delay.h"

#include <QEvent>
#include <QFile>
#include <QTimer>

#include <map>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

TFirstPaintReporter::TFirstPaintReporter(QApplication& app, const QString& widgetName)
    : FWidgetName(widgetName)
{
    const QStringList args = app.arguments();
    const qsizetype i = args.indexOf(QStringLiteral("--t0"));
    if (i >= 0 && i + 1 < args.size())
        FT0 = args.at(i + 1).toDouble();
    FQuitAtPaint = args.contains(QStringLiteral("--quit-at-first-paint"));
    if (FT0 >= 0 || FQuitAtPaint)
        app.installEventFilter(this);
}

bool TFirstPaintReporter::eventFilter(QObject* watched, QEvent* event)
{
    if (!FDone && event->type() == QEvent::Paint && watched->objectName() == FWidgetName) {
        FDone = true;
        if (FQuitAtPaint) {
            // For instruction counters and heap profilers: end right after
            // this paint, without the settling and the shutdown.
            QTimer::singleShot(0, [] {
                std::printf("peak_rss_mib: %.1f\n", PeakRssMiB());
                std::fflush(stdout);
                std::_Exit(0);
            });
            return false;
        }
        const double ms = MonotonicMs() - FT0;
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        const double cpuMs = cpu.tv_sec * 1000.0 + cpu.tv_nsec / 1e6;
        Trace("first paint");
        // Let the paint finish and the start-up settle before reading memory.
        QTimer::singleShot(300, [ms, cpuMs] {
            std::printf("first_paint_ms: %.1f\nfirst_paint_cpu_ms: %.1f\npeak_rss_mib: %.1f\n", ms, cpuMs,
                        PeakRssMiB());
            std::fflush(stdout);
            RequestQuit(0);
        });
    }
    return false;
}

double TFirstPaintReporter::MonotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

namespace {

double StatusMiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key(field);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

double gTraceT0 = -1;
bool gTraceFiles = false;
std::map<QByteArray, double> gFileKiB; // resident KiB per mapped file at the last stamp

std::map<QByteArray, double> FileResidentKiB()
{
    std::map<QByteArray, double> files;
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return files;
    QByteArray current;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        if (std::isxdigit(static_cast<unsigned char>(line.at(0))) && line.contains('-')) {
            // "start-end perms offset dev inode   path"
            const QList<QByteArray> fields = line.simplified().split(' ');
            current = fields.size() >= 6 ? fields.at(5) : QByteArray("[anonymous]");
        } else if (line.startsWith("Rss:")) {
            files[current] += line.mid(4).trimmed().split(' ').first().toDouble();
        }
    }
    return files;
}

} // namespace

double TFirstPaintReporter::PeakRssMiB()
{
    return StatusMiB("VmHWM:");
}

double TFirstPaintReporter::RssMiB()
{
    return StatusMiB("VmRSS:");
}

void TFirstPaintReporter::StartTrace(int argc, char** argv)
{
    bool trace = false;
    double t0 = -1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--trace") == 0)
            trace = true;
        else if (std::strcmp(argv[i], "--t0") == 0 && i + 1 < argc)
            t0 = std::atof(argv[i + 1]);
    }
    gTraceT0 = trace ? t0 : -1;
    gTraceFiles = trace && std::getenv("VORLEN_TRACE_FILES");
}

void TFirstPaintReporter::Trace(const char* label)
{
    if (gTraceT0 < 0)
        return;
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::printf("trace %s: %.1f ms %.1f MiB %.1f cpu_ms (anonymous %.1f, files %.1f, shared memory %.1f)\n", label,
                MonotonicMs() - gTraceT0, RssMiB(), cpu.tv_sec * 1000.0 + cpu.tv_nsec / 1e6, StatusMiB("RssAnon:"),
                StatusMiB("RssFile:"), StatusMiB("RssShmem:"));
    if (gTraceFiles) {
        // What grew since the last stamp, mapping by mapping.
        const std::map<QByteArray, double> now = FileResidentKiB();
        for (const auto& [path, kib] : now) {
            const auto before = gFileKiB.find(path);
            const double grown = kib - (before == gFileKiB.end() ? 0.0 : before->second);
            if (grown >= 256)
                std::printf("  grew %s: %.0f KiB\n", path.constData(), grown);
        }
        gFileKiB = now;
    }
    std::fflush(stdout);
}
