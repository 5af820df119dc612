#ifndef UPDATERSESSION_H
#define UPDATERSESSION_H

#include "catalogue/OperatorText.h"

#include "catalogue/DeviceState.h"
#include "host/StopRequest.h"
#include "workflows/FrontEnd.h"
#include "records/run/PendingUpdate.h"
#include "records/run/RunRecord.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// One run of the updater, whatever shows it: the check, the operator's
// answer, the write it offers, and how it all ended (the exit code, and
// the run's record: session log, history row, report and its reason). The
// window runs it a button at a time; the command line a command at once.
// Front ends only show what it says and answer its questions.
class UpdaterSession
{
public:
    enum ExitCode {
        ExitDone = 0,             // up to date, or written successfully
        ExitFailed = 1,           // a write or a query failed
        ExitUsage = 2,            // bad usage
        ExitNothingFound = 3,     // no instrument answered
        ExitRefused = 4,          // stopped before anything was written
        ExitStalled = 5,          // the instrument stopped answering a call
        ExitUpdateAvailable = 10, // check: an update is offered
        ExitRestoreNeeded = 11,   // check: a restore is offered
        // 128 + a signal's number: asked to stop while firmware was written
    };
    enum class Command { Check, Update, Restore };

    // `command` is what the report says ran ("check", "update", "restore").
    explicit UpdaterSession(FrontEnd& frontEnd, const QString& command = QString());

    // Once the updater lock is held: the session log and its banner, shown
    // when `showBanner`; `action` names the run in a recording of the
    // library's calls.
    void begin(bool showBanner, const QString& action);
    // What happens outside the flows (the log menu's lines), on record as
    // theirs is.
    void note(const RunEvent& event) { runRecord.note(event); }

    // "Check Versions": what was found, and the actions offered.
    FlowOutcome check();
    // "Update" or "Restore" of what the check found.
    FlowOutcome update();
    FlowOutcome restore();
    // A whole command: the check, then the write it asks for where the
    // check offers it; the exit code.
    int run(Command command);
    // Refuses with the line, before anything was written or asked; the
    // reason kept is `reason`, where the line does not name the instrument.
    int refuse(const OperatorText& line, const OperatorText& reason = OperatorText());
    // The line that refuses the environment the updater was started with
    // (RZ_STALL_SCALE, a state folder named by a relative path, a lock file
    // or a recording named by a relative path where the working folder no
    // longer exists) or the build
    // it is (a catalogue component no family writes); null when it is usable.
    // Front ends check it before any work.
    static OperatorText environmentProblem();

    // How the run ended so far, for a script: a stop that was put off until
    // the write ended gives 128 + its signal after a write that succeeded.
    int exitCode() const;
    // The line that says why a run that failed or refused did; null for a
    // run that ended as it should.
    OperatorText reason() const;
    // Everything a script needs to know of the run, with the lines shown;
    // stops the report's clock.
    QJsonObject finishReport() const;
    // The session log's file; empty when there is none.
    QString logPath() const { return runRecord.logPath(); }
    // Everything so far on disk.
    void sync() { runRecord.sync(); }

    const DeviceState& state() const { return found; }
    // The run's stop, asked for by a stop signal while firmware is written.
    const StopRequest& stop() const { return stopRequest; }
    int offered() const { return offeredActions; }

private:
    std::optional<int> checkFirst(Command command);
    static int exitFor(FlowOutcome outcome);

    OperatorText unfinishedLine() const;
    // The instrument in boot mode has an update on record that did not
    // finish: says so, and true.
    bool finishesItsRecord();
    void noteWrite(FlowOutcome ended);
    void say(const OperatorText& line);

    FrontEnd& frontEnd;
    RunRecord runRecord;
    StopRequest stopRequest;
    DeviceState found;
    FlowOutcome outcome = FlowOutcome::Done;
    int offeredActions = FrontEnd::NoAction;
    QList<PendingUpdate> unfinished; // when nothing answered
    int commandExit = ExitDone;
};

#endif
