#include "workflows/flows/UpdaterSession.h"

#include "catalogue/OperatorText.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ModelTable.h"
#include "families/CallBudget.h"
#include "families/CallRecorder.h"
#include "families/DeviceFamily.h"
#include "host/StateFolder.h"
#include "host/UpdaterLock.h"
#include "workflows/flows/CheckVersionsFlow.h"
#include "workflows/flows/FirmwareWriteFlow.h"

UpdaterSession::UpdaterSession(FrontEnd& frontEnd, const QString& command)
    : frontEnd(frontEnd), runRecord(frontEnd, command)
{
}

void UpdaterSession::begin(bool showBanner, const QString& action)
{
    runRecord.begin(showBanner, action);
}

void UpdaterSession::say(const OperatorText& line)
{
    runRecord.note(RunEvent::line(line));
}

// Budgets from an unusable factor would give up every call at once, or
// never; a file named by a relative path from a working folder that is gone
// would be made at the root.
OperatorText UpdaterSession::environmentProblem()
{
    for (const OperatorText& problem : {DeviceFamily::unwrittenComponent(), CallBudget::scaleProblem(), stateFolderProblem(),
                                   UpdaterLock::pathProblem(), CallRecorder::fileProblem()}) {
        if (!problem.isEmpty())
            return problem;
    }
    return OperatorText();
}

FlowOutcome UpdaterSession::check()
{
    CallRecorder::noteAction(QStringLiteral("check"));
    CheckVersionsFlow flow(frontEnd, runRecord);
    outcome = flow.run();
    found = flow.state();
    offeredActions = flow.offered();
    unfinished = flow.unfinishedUpdates();
    runRecord.note(RunEvent::found(found, flow.release()));
    commandExit = exitFor(outcome);
    return outcome;
}

FlowOutcome UpdaterSession::update()
{
    CallRecorder::noteAction(QStringLiteral("update"));
    noteWrite(FirmwareWriteFlow::update(frontEnd, runRecord, found, stopRequest));
    return outcome;
}

FlowOutcome UpdaterSession::restore()
{
    CallRecorder::noteAction(QStringLiteral("restore"));
    noteWrite(FirmwareWriteFlow::restore(frontEnd, runRecord, found, stopRequest));
    return outcome;
}

void UpdaterSession::noteWrite(FlowOutcome ended)
{
    outcome = ended;
    commandExit = exitFor(outcome);
}

int UpdaterSession::run(Command command)
{
    if (const std::optional<int> stop = checkFirst(command))
        return commandExit = *stop;
    switch (command) {
    case Command::Check:
        if (offeredActions & FrontEnd::RestoreAction)
            return commandExit = ExitRestoreNeeded;
        return commandExit = (offeredActions & FrontEnd::UpdateAction) ? int(ExitUpdateAvailable) : int(ExitDone);
    case Command::Update:
        // The update that left the instrument in boot mode is finished as
        // a restore rewrites it: the serial that answers is the record's.
        if ((offeredActions & FrontEnd::RestoreAction) && finishesItsRecord()) {
            restore();
            return commandExit;
        }
        if (offeredActions & FrontEnd::RestoreAction)
            return refuse(OperatorText::tr("The instrument needs a restore; use restore."),
                          OperatorText::tr("%1 needs a restore; use restore.")
                              .arg(instrumentName(found.deviceType, found.serialNumber)));
        if (!(offeredActions & FrontEnd::UpdateAction))
            return ExitDone;
        update();
        return commandExit;
    case Command::Restore:
        restore();
        return commandExit;
    }
    return commandExit;
}

bool UpdaterSession::finishesItsRecord()
{
    if (PendingUpdate(found.deviceType, found.serialNumber).components().isEmpty())
        return false;
    say(OperatorText::tr("The last update of %1 did not finish; it is finished by rewriting the instrument.")
            .arg(instrumentName(found.deviceType, found.serialNumber)));
    return true;
}

// The check every command starts with. The exit code when the command ends
// there; none when the instrument was found and may be written.
std::optional<int> UpdaterSession::checkFirst(Command command)
{
    check();
    if (command == Command::Restore && found.status == Operational)
        return refuse(OperatorText::tr("The instrument answers normally; use update."),
                      OperatorText::tr("%1 answers normally; use update.")
                          .arg(instrumentName(found.deviceType, found.serialNumber)));
    if (outcome == FlowOutcome::Done)
        return std::nullopt;
    if (outcome != FlowOutcome::Cancelled)
        return exitFor(outcome);
    const QString models = ModelTable::names(QStringLiteral("|"));
    if (command == Command::Restore)
        return refuse(OperatorText::tr("No instrument answers. To bootstrap it, name its model: restore --model %1.")
                          .arg(models),
                      OperatorText::tr("Cannot find the instrument: none answers. To bootstrap it, "
                                       "name its model: restore --model %1.")
                          .arg(models));
    if (unfinished.isEmpty()) {
        say(OperatorText::tr("No instrument answers. If one is connected, "
                             "restore --model MODEL can bootstrap it."));
        runRecord.note(RunEvent::failure(OperatorText::tr("Cannot find the instrument: none answers. If one is "
                                                          "connected, restore --model MODEL can bootstrap it.")));
    } else {
        say(unfinishedLine());
        runRecord.note(RunEvent::failure(unfinishedLine()));
    }
    outcome = FlowOutcome::NothingFound;
    return ExitNothingFound;
}

// check or update found nothing while updates on record did not finish:
// nothing is bootstrapped unasked; the line says which command would, and
// which record it would finish.
OperatorText UpdaterSession::unfinishedLine() const
{
    if (unfinished.size() == 1)
        return OperatorText::tr("Nothing answers. The last update of %1 did not finish: if this is that instrument, "
                                "run `rz-firmware-updater restore` to finish it; otherwise "
                                "`rz-firmware-updater restore --model MODEL`.")
            .arg(unfinished.first().instrument());
    QStringList instruments;
    for (const PendingUpdate& pending : unfinished)
        instruments << pending.instrument();
    return OperatorText::tr("Nothing answers. The updates of %1 did not finish: run "
                            "`rz-firmware-updater restore --model MODEL` with the connected instrument's model; "
                            "`rz-firmware-updater pending` lists them.")
        .arg(instruments.join(QStringLiteral(", ")));
}

int UpdaterSession::refuse(const OperatorText& line, const OperatorText& reason)
{
    say(line);
    runRecord.note(RunEvent::failure(reason.isEmpty() ? line : reason));
    outcome = FlowOutcome::Refused;
    return commandExit = ExitRefused;
}

int UpdaterSession::exitFor(FlowOutcome outcome)
{
    switch (outcome) {
    case FlowOutcome::Done:
        return ExitDone;
    case FlowOutcome::Refused:
    case FlowOutcome::Cancelled: // the operator named no model: nothing written
        return ExitRefused;
    case FlowOutcome::NothingFound:
        return ExitNothingFound;
    case FlowOutcome::Stalled:
        return ExitStalled;
    case FlowOutcome::Failed:
        break;
    }
    return ExitFailed;
}

// 128 + the signal's number says the program was stopped: after a write
// that succeeded, or before anything was erased. A write that failed or a
// call that stopped answering says so instead.
int UpdaterSession::exitCode() const
{
    if (stopRequest.asked() && (commandExit == ExitDone || outcome == FlowOutcome::Refused))
        return stopRequest.exitCode();
    return commandExit;
}

OperatorText UpdaterSession::reason() const
{
    return runRecord.reason(outcome);
}

QJsonObject UpdaterSession::finishReport() const
{
    return runRecord.finishReport(outcome, exitCode());
}
