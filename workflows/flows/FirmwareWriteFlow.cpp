#include "workflows/flows/FirmwareWriteFlow.h"

#include "catalogue/OperatorText.h"
#include "catalogue/Catalogue.h"
#include "families/LibraryThread.h"
#include "records/run/PendingUpdate.h"
#include "host/SleepInhibitor.h"
#include "host/WriteGuard.h"
#include "workflows/workers/LineRelay.h"
#include "workflows/workers/RestoreDeviceThread.h"
#include "workflows/workers/UpdateDeviceThread.h"
#include "workflows/workers/WorkerRunner.h"

#include <optional>

namespace {

// What the operator is told of each procedure.
struct Procedure
{
    const char* action; // as the history names it
    const char* heading;
    const char* busyText;
};

const Procedure updating{
    "update", QT_TRANSLATE_NOOP("OperatorText", "Updating Firmware"),
    QT_TRANSLATE_NOOP("OperatorText",
                      "Updating Device\nDO NOT UNPLUG THE DEVICE\nThis process can take several minutes\nPlease Wait...")};
const Procedure restoring{
    "restore", QT_TRANSLATE_NOOP("OperatorText", "Restoring Device"),
    QT_TRANSLATE_NOOP("OperatorText", "Performing Device Restore\nDO NOT UNPLUG DEVICE\nThis process will take up to 10 "
                                      "minutes\nPlease Wait...")};

// The notice of a stop that waits for the write: how long the step under
// way may still take, when a call is under way.
QString stopNotice()
{
    const std::optional<CallBudget::Milliseconds> left = LibraryThread::timeLeft();
    if (!left)
        return WriteGuard::noticeLine();
    return OperatorText::tr("Firmware is being written; stopping now could leave the instrument unusable. "
                            "The updater will stop when this step ends, in at most %1.")
        .arg(CallBudget::describeAtMost(*left));
}

} // namespace

// A call the library never returned from owns what it touches, and the
// worker's private copies are removed with it: the worker goes whatever
// the outcome.
FlowOutcome FirmwareWriteFlow::update(FrontEnd& frontEnd, const DeviceState& state, qint64* attemptId)
{
    FirmwareWriteFlow flow(frontEnd, updating.action, updating.heading, updating.busyText);
    UpdateDeviceThread worker(state, flow.describeAttempt(state));
    return flow.run(worker, state, attemptId);
}

FlowOutcome FirmwareWriteFlow::restore(FrontEnd& frontEnd, const DeviceState& state, qint64* attemptId)
{
    FirmwareWriteFlow flow(frontEnd, restoring.action, restoring.heading, restoring.busyText);
    RestoreDeviceThread worker(state, flow.describeAttempt(state));
    return flow.run(worker, state, attemptId);
}

FirmwareWriteFlow::FirmwareWriteFlow(FrontEnd& frontEnd, const char* action, const char* heading, const char* busyText)
    : frontEnd(frontEnd), action(QString::fromLatin1(action)), heading(OperatorText::tr(heading)),
      busyText(OperatorText::tr(busyText))
{
}

FlowOutcome FirmwareWriteFlow::run(FirmwareWriterThread& worker, const DeviceState& state, qint64* attemptId)
{
    // Suspending, powering off or stopping the program while an image is
    // written could leave the instrument unusable.
    const SleepInhibitor noSleep;
    // From the heading to the record's end, a stop is the flow's to act on.
    // Before the first erase it ends the write at once, and the worker says
    // so; after it, the stop waits for the last write or a call's budget,
    // and the notice says how long that may be.
    const WriteGuard noStop([this](WriteGuard::Notice notice) {
        if (notice == WriteGuard::Notice::Pause)
            frontEnd.addLine(WriteGuard::pauseIgnoredLine());
        else if (LibraryThread::stopAsked())
            frontEnd.addLine(stopNotice());
    });
    frontEnd.addLine(QString());
    frontEnd.addLine(heading);
    frontEnd.addLine(QString());
    frontEnd.beginBusy(busyText);
    LineRelay relay(frontEnd);
    QObject::connect(&worker, SIGNAL(addLine(QString)), &relay, SLOT(addLine(QString)));
    frontEnd.syncLog();
    WorkerRunner::run(worker, &relay, [&] { frontEnd.showPercent(worker.progress().percent()); });
    const WriteOutcome& outcome = worker.outcome();
    if (attemptId)
        *attemptId = outcome.attemptId();
    if (outcome.erasedAny())
        frontEnd.noteErased();
    if (!outcome.written())
        frontEnd.noteReason(outcome.failureReason());
    reportVerdict(outcome.written());
    // Only a finished operation clears the record; any other end leaves it
    // for the next check to find.
    if (outcome.written())
        clearRecord(state);
    frontEnd.syncLog();
    frontEnd.offerActions(FrontEnd::NoAction);
    frontEnd.endBusy();
    if (outcome.written())
        return FlowOutcome::Done;
    if (outcome.refused())
        return FlowOutcome::Refused;
    return LibraryThread::abandoned() ? FlowOutcome::Stalled : FlowOutcome::Failed;
}

void FirmwareWriteFlow::clearRecord(const DeviceState& state)
{
    const QString left = PendingUpdate(state.deviceType, state.serialNumber).remove();
    if (!left.isEmpty())
        frontEnd.addLine(OperatorText::tr("Could not clear the update record: %1").arg(left));
}

// The worker adds what it alone knows: when it came to the first erase, and
// what it was about to write.
UpdateAttempt FirmwareWriteFlow::describeAttempt(const DeviceState& state) const
{
    UpdateAttempt attempt = UpdateAttempt::onThisMachine();
    attempt.action = action;
    attempt.model = deviceTypeName(state.deviceType);
    attempt.serial = state.serialNumber;
    // Only an operational instrument told its versions.
    if (state.status == Operational)
        attempt.versionBefore = state.currentVersion.versionString();
    attempt.versionTarget = state.targetVersion.versionString();
    attempt.log = frontEnd.sessionLogPath();
    attempt.libraryVersion = frontEnd.libraryVersion();
    return attempt;
}

void FirmwareWriteFlow::reportVerdict(bool success)
{
    if (success) {
        frontEnd.addStatusLine(OperatorText::tr("Firmware updated successfully."), true);
    } else {
        frontEnd.addStatusLine(OperatorText::tr("Firmware updated unsuccessfully."), false);
        frontEnd.addLine(OperatorText::tr("Check device connections and re-run the software."));
        frontEnd.addLine(OperatorText::tr("If problem persists, contact Pellanor."));
    }
    const QString closing = frontEnd.closingLine();
    if (!closing.isEmpty())
        frontEnd.addLine(closing);
}
