#include "workflows/UpdaterSession.h"

#include "catalogue/OperatorText.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ModelTable.h"
#include "host/WriteGuard.h"
#include "workflows/CheckVersionsFlow.h"
#include "workflows/FirmwareWriteFlow.h"

#include <QJsonArray>

namespace {

const char* const outcomeNames[] = {"done", "refused", "nothing found", "failed", "cancelled", "stopped answering"};

QJsonValue versionOrNull(const FirmwareVersion& version, bool known)
{
    return known ? QJsonValue(version.versionString()) : QJsonValue();
}

} // namespace

UpdaterSession::UpdaterSession(FrontEnd& frontEnd)
    : frontEnd(frontEnd)
{
}

FlowOutcome UpdaterSession::check()
{
    CheckVersionsFlow flow(frontEnd);
    outcome = flow.run();
    found = flow.state();
    offeredActions = flow.offered();
    release = flow.release();
    commandExit = exitFor(outcome);
    return outcome;
}

FlowOutcome UpdaterSession::update()
{
    outcome = FirmwareWriteFlow::update(frontEnd, found, &attemptId);
    written = outcome == FlowOutcome::Done;
    commandExit = exitFor(outcome);
    return outcome;
}

FlowOutcome UpdaterSession::restore()
{
    outcome = FirmwareWriteFlow::restore(frontEnd, found, &attemptId);
    written = outcome == FlowOutcome::Done;
    commandExit = exitFor(outcome);
    return outcome;
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
        if (offeredActions & FrontEnd::RestoreAction)
            return refuse(OperatorText::tr("The instrument needs a restore; use restore."));
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

// The check every command starts with. The exit code when the command ends
// there; none when the instrument was found and may be written.
std::optional<int> UpdaterSession::checkFirst(Command command)
{
    check();
    if (command == Command::Restore && found.status == Operational)
        return refuse(OperatorText::tr("The instrument answers normally; use update."));
    if (outcome == FlowOutcome::Done)
        return std::nullopt;
    if (outcome != FlowOutcome::Cancelled)
        return exitFor(outcome);
    if (command == Command::Restore)
        return refuse(OperatorText::tr("No instrument answers. To bootstrap it, name its model: restore --model %1.")
                          .arg(ModelTable::names(QStringLiteral("|"))));
    frontEnd.addLine(OperatorText::tr("No instrument answers. If one is connected, "
                                      "restore --model MODEL can bootstrap it."));
    outcome = FlowOutcome::NothingFound;
    return ExitNothingFound;
}

int UpdaterSession::refuse(const QString& line)
{
    frontEnd.addLine(line);
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

// A stop was put off until the write ended: 130 says the program was
// stopped, but only after a write that succeeded.
int UpdaterSession::exitCode() const
{
    if (WriteGuard::stopRequested() && commandExit == ExitDone)
        return ExitInterrupted;
    return commandExit;
}

QJsonObject UpdaterSession::report(const QString& command, const QStringList& lines) const
{
    const bool identified = found.status != NotDetected;
    const bool versionsRead = found.status == Operational;
    const QString logFile = frontEnd.sessionLogPath();
    const QString library = frontEnd.libraryVersion();
    return QJsonObject{
        {"command", command},
        {"outcome", QString::fromLatin1(outcomeNames[int(outcome)])},
        {"exitCode", exitCode()},
        {"model", identified ? QJsonValue(deviceTypeName(found.deviceType)) : QJsonValue()},
        {"serial", identified ? QJsonValue(found.serialNumber) : QJsonValue()},
        {"firmwareBefore", versionOrNull(found.currentVersion, versionsRead)},
        // Only what is known: the target once written, the same firmware when
        // nothing was written, nothing after a write that failed.
        {"firmwareAfter", written ? QJsonValue(found.targetVersion.versionString())
                                  : versionOrNull(found.currentVersion, versionsRead && outcome != FlowOutcome::Failed
                                                                            && outcome != FlowOutcome::Stalled)},
        {"target", versionOrNull(found.targetVersion, identified && isKnownDeviceType(found.deviceType))},
        // True only after a successful write: a script can tell an update
        // from an instrument that was already current.
        {"written", written},
        {"logFile", logFile.isEmpty() ? QJsonValue() : QJsonValue(logFile)},
        {"release", release ? QJsonValue(QJsonObject{{"key", release->keyId()}, {"comment", release->comment()}})
                            : QJsonValue()},
        {"lines", QJsonArray::fromStringList(lines)},
        // The history's row of the write, for `history` and the window.
        {"attemptId", attemptId ? QJsonValue(attemptId) : QJsonValue()},
        {"libraryVersion", library.isNull() ? QJsonValue() : QJsonValue(library)},
    };
}
