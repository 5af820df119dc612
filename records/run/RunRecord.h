#ifndef RUNRECORD_H
#define RUNRECORD_H

#include "records/history/UpdateHistory.h"
#include "records/run/RunDisplay.h"
#include "records/run/RunEvent.h"
#include "records/run/RunReport.h"
#include "records/run/Transcript.h"

#include <QJsonObject>
#include <QStringList>

#include <memory>

// The one record of a run: it hears every event the work reports and alone
// keeps the session log (through the transcript), the history's row of a
// write and the report for scripts, so the three always tell the same
// story; what is to be seen it hands on to the display. Lives on the
// thread that runs the flows: a worker's events reach it through its flow.
//
// A rehearsal (the device library replays a recording) is decided here,
// once, and told to whatever would keep it: its log says so and removes no
// earlier one, its report names the recording, the history gets no row and
// its writes keep no pending record (keepsRecords()).
class RunRecord
{
public:
    // `command` is what the report says ran: "check", "update", "restore".
    RunRecord(RunDisplay& display, const QString& command);
    ~RunRecord();

    RunRecord(const RunRecord&) = delete;
    RunRecord& operator=(const RunRecord&) = delete;

    // Once the updater lock is held: the session log and its banner, shown
    // when `showBanner`. `action` names the run in a recording of the
    // library's calls.
    void begin(bool showBanner, const QString& action);

    void note(const RunEvent& event);
    // Everything so far on disk: before an erase, after a verdict.
    void sync();

    // The line that says why a run that ended as `outcome` failed or
    // refused; null for one that ended as it should.
    OperatorText reason(FlowOutcome outcome) const;
    // Everything a script needs to know of the run; stops the report's clock.
    QJsonObject finishReport(FlowOutcome outcome, int exitCode) const;

    // The file the run's lines are kept in; empty when there is none.
    QString logPath() const { return transcript.logPath(); }
    // False in a rehearsal: what it writes is no instrument's, and must
    // leave no record of one (history, pending records).
    bool keepsRecords() const { return replayed.isEmpty(); }

private:
    // What each kind of event changes.
    void hear(const RunEvent::Lines& lines);
    void hear(const RunEvent::Progress& progress);
    void hear(const StillWorking& notice);
    void hear(const RunEvent::Found& found);
    void hear(const RunEvent::AttemptOpened& opened);
    void hear(const RunEvent::Erased&);
    void hear(const RunEvent::Failure& failed);
    void hear(const RunEvent::Verdict& verdict);
    void hear(const RunEvent::StepStarted& step);

    void show(const OperatorLines& lines, RunDisplay::Kind kind);
    void openAttempt(UpdateAttempt attempt, bool resuming);
    void endAttempt(FlowOutcome outcome);
    void forgetWrite();
    void say(const OperatorText& line);

    RunDisplay& display;
    const QString replayed; // the recording a rehearsal replays; empty for a run on an instrument
    Transcript transcript;
    RunReport report;
    QStringList shown;   // every line shown, for the report
    OperatorText failure; // the first reason the write gave since the check, for its history row
    bool erasedAny = false;
    // The history holding the open attempt's row, from before the first
    // erase to the verdict.
    std::unique_ptr<UpdateHistory> history;
    qint64 attemptId = 0;
};

#endif
