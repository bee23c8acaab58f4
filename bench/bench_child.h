// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the processes that the benchmark starts: reports the time from
// the parent's start stamp to the first paint of a named widget, and the peak
// resident memory at that moment, on stdout; then ends the process.
#pragma once

#include <QApplication>
#include <QObject>
#include <QString>

class TFirstPaintReporter : public QObject {
public:
    // Watches for the first paint of the widget named `widgetName`. Reads
    // "--t0 <ms>" from the command line; without it nothing is reported.
    // With "--quit-at-first-paint" the process ends as soon as that paint is
    // done (for callgrind, massif, heaptrack), printing only the peak memory.
    TFirstPaintReporter(QApplication& app, const QString& widgetName);
    bool eventFilter(QObject* watched, QEvent* event) override;

    static double MonotonicMs();
    static double PeakRssMiB();
    static double RssMiB();

    // For finding where the start-up goes: with "--trace" among the
    // arguments (read before the application exists), prints the time since
    // --t0 and the resident memory now, labelled. No-op otherwise.
    static void StartTrace(int argc, char** argv);
    static void Trace(const char* label);

private:
    QString FWidgetName;
    double FT0 = -1;
    bool FDone = false;
    bool FQuitAtPaint = false;
};
