#include "workflows/flows/FirmwareWriteFlow.h"

#include "catalogue/OperatorText.h"
#include "catalogue/Catalogue.h"
#include "families/LibraryThread.h"
#include "records/run/RunRecord.h"
#include "host/SleepInhibitor.h"
#include "host/WriteGuard.h"
#include "workflows/workers/WritePlan.h"
#include "workflows/workers/LineRelay.h"
#include "workflows/workers/RestoreDeviceThread.h"
#include "workflows/workers/UpdateDeviceThread.h"
#include "workflows/workers/WorkerRunner.h"

namespace {

const FirmwareWriteFlow::Procedure updating{
    QT_TRANSLATE_NOOP("OperatorText", "Updating Firmware"),
    QT_TRANSLATE_NOOP("OperatorText",
                      "Updating Device\nDO NOT UNPLUG THE DEVICE\nThis process can take several minutes\nPlease Wait...")};
const FirmwareWriteFlow::Procedure restoring{
    QT_TRANSLATE_NOOP("OperatorText", "Restoring Device"),
    QT_TRANSLATE_NOOP("OperatorText", "Performing Device Restore\nDO NOT UNPLUG DEVICE\nThis process will take up to 10 "
                                      "minutes\nPlease Wait...")};

// The notice of a stop that waits for the write: the components still to
// write and the longest that may take, the rest of the call under way's
// budget and the whole budget of every call after it.
OperatorText stopNotice(const WritePlan::Wait& wait)
{
    const OperatorText atMost = CallBudget::describeAtMost(wait.atMost);
    if (wait.components.isEmpty())
        return OperatorText::tr("Firmware is being written; stopping now could leave the instrument unusable. "
                                "The updater will stop when the write ends, in at most %1.")
            .arg(atMost);
    OperatorText still = wait.components.first();
    for (int index = 1; index < wait.components.size(); ++index)
        still = OperatorText::tr("%1, %2", "a list of components").arg(still).arg(wait.components[index]);
    return OperatorText::tr("Firmware is being written; stopping now could leave the instrument unusable. "
                            "The updater will stop when the write ends, in at most %1; still to write: %2.")
        .arg(atMost)
        .arg(still);
}

} // namespace

// A call the library never returned from owns what it touches, and the
// worker's private copies are removed with it: the worker goes whatever
// the outcome.
FlowOutcome FirmwareWriteFlow::update(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state,
                                      StopRequest& stop)
{
    FirmwareWriteFlow flow(frontEnd, record, state, stop, updating);
    UpdateDeviceThread worker(state, stop, record.logPath(), record.keepsRecords(), frontEnd.releaseFolder());
    return flow.run(worker);
}

FlowOutcome FirmwareWriteFlow::restore(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state,
                                       StopRequest& stop)
{
    FirmwareWriteFlow flow(frontEnd, record, state, stop, restoring);
    RestoreDeviceThread worker(state, stop, record.logPath(), record.keepsRecords(), frontEnd.releaseFolder());
    return flow.run(worker);
}

FirmwareWriteFlow::FirmwareWriteFlow(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state,
                                     StopRequest& stop, const Procedure& procedure)
    : frontEnd(frontEnd),
      record(record),
      state(state),
      stop(stop),
      heading(OperatorText::tr(procedure.heading)),
      busyText(OperatorText::tr(procedure.busyText))
{
}

FlowOutcome FirmwareWriteFlow::run(FirmwareWriterThread& worker)
{
    // Suspending, powering off or stopping the program while an image is
    // written could leave the instrument unusable.
    const SleepInhibitor noSleep;
    // From the heading to the record's end, a stop is the flow's to act on.
    // Before the first erase it ends the write at once, and the worker says
    // so; after it, the stop waits for the last write or a call's budget
    // (an instrument left half written is not abandoned), and the notice
    // says what is still to write and how long that may take.
    stop.beginWrite();
    const WriteGuard noStop(stop, [this, &worker](WriteGuard::Notice notice) {
        if (notice == WriteGuard::Notice::Pause) {
            record.note(RunEvent::line(WriteGuard::pauseIgnoredLine(), RunDisplay::Kind::Notice));
            return;
        }
        LibraryThread::wakeForStop();
        if (stop.waitsForWrite())
            record.note(RunEvent::line(stopNotice(worker.stopWaits()), RunDisplay::Kind::Notice));
    });
    record.note(RunEvent::lines({OperatorText(), heading, OperatorText()}));
    frontEnd.beginBusy(busyText);
    LineRelay relay(record);
    QObject::connect(&worker, &FirmwareWriterThread::updateText, &relay, &LineRelay::updateText);
    // The history has the attempt's row before anything is erased, and
    // hears of the first erase and the first failure as they happen.
    QObject::connect(&worker, &FirmwareWriterThread::happened, &relay, &LineRelay::note,
                     Qt::BlockingQueuedConnection);
    record.sync();
    WorkerRunner::run(worker, &relay);
    const WriteOutcome& outcome = worker.outcome();
    const FlowOutcome ended = outcomeOf(outcome);
    record.note(RunEvent::verdict(ended));
    reportVerdict(outcome);
    record.sync();
    frontEnd.offerActions(FrontEnd::NoAction);
    frontEnd.endBusy();
    return ended;
}

FlowOutcome FirmwareWriteFlow::outcomeOf(const WriteOutcome& outcome)
{
    if (outcome.written())
        return FlowOutcome::Done;
    if (outcome.refused())
        return FlowOutcome::Refused;
    return LibraryThread::abandoned() ? FlowOutcome::Stalled : FlowOutcome::Failed;
}

void FirmwareWriteFlow::say(const OperatorText& line)
{
    record.note(RunEvent::line(line));
}

// A refusal touched nothing: its advice is about its cause, not the cable.
void FirmwareWriteFlow::reportVerdict(const WriteOutcome& outcome)
{
    if (outcome.written()) {
        record.note(RunEvent::status(OperatorText::tr("Firmware updated successfully."), true));
        const OperatorText written = frontEnd.writtenLine(instrumentName(state.deviceType, state.serialNumber),
                                                     state.targetVersion.versionString());
        if (!written.isEmpty())
            say(written);
    } else if (outcome.refused() && !outcome.nextStep().isEmpty()) {
        record.note(RunEvent::status(OperatorText::tr("Firmware updated unsuccessfully."), false));
        say(outcome.nextStep());
    } else {
        record.note(RunEvent::status(OperatorText::tr("Firmware updated unsuccessfully."), false));
        say(OperatorText::tr("Check device connections and re-run the software."));
        say(OperatorText::tr("If problem persists, contact Pellanor."));
    }
    const OperatorText closing = frontEnd.closingLine();
    if (!closing.isEmpty())
        say(closing);
}
