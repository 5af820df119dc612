#ifndef RUNDISPLAY_H
#define RUNDISPLAY_H

#include "catalogue/OperatorText.h"

#include <QString>
#include <QStringList>

#include <chrono>

// Where a run is shown as it happens, the window or a terminal: what the
// run's record hands on once it has kept it. Showing only; nothing shown
// here is read back.
class RunDisplay
{
public:
    // How a line looks where it is shown: the window colours a warning and
    // a write's verdict (success or failure). A check's conclusion (up to
    // date, an update or restore to offer, nothing found) looks plain, as
    // does a notice, which answers a stop or a pause asked for by a signal
    // while firmware is written.
    enum class Kind { Plain, Warning, Success, Failure, Conclusion, Notice };

    virtual ~RunDisplay() = default;

    // Lines that came together, shown together.
    virtual void showLines(const OperatorLines& lines, Kind kind) = 0;
    // 0 to 100 while an FPGA is programmed, -1 for "busy, no figure".
    virtual void showPercent(int percent) = 0;
    // A step under way takes longer than announced: said with the busy
    // state too, where it is shown apart from the log.
    virtual void showBusyNote(const OperatorText&) {}
    // A component's clear-then-write begins: how long its line announced it
    // takes, and how long each of its calls may go without an answer, both
    // as the calls are timed (scaled by RZ_STALL_SCALE).
    virtual void showStepStart(const QString& /*component*/, std::chrono::milliseconds /*estimate*/,
                               std::chrono::milliseconds /*budget*/)
    {
    }
    // Why the run failed or refused, naming the instrument, as the report
    // keeps it; a front end that prints it at the end need not show it here.
    virtual void showReason(const OperatorText&) {}
    // Every line shown so far is on disk (before the first erase, after a
    // verdict): what a power cut would leave.
    virtual void logKept() {}
};

#endif
