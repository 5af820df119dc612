#include "workflows/flows/FirmwareWriteFlow.h"

#include "catalogue/OperatorText.h"
#include "catalogue/Catalogue.h"
#include "families/LibraryThread.h"
#include "records/run/RunRecord.h"
#include "host/SleepInhibitor.h"
#include "host/WriteGuard.h"
#include "workflows/workers/LineRelay.h"
#include "workflows/workers/RestoreDeviceThread.h"
#include "workflows/workers/UpdateDeviceThread.h"
#include "workflows/workers/WorkerRunner.h"

#include <optional>

namespace {

const FirmwareWriteFlow::Procedure updating{
    QT_TRANSLATE_NOOP("OperatorText", "Updating Firmware"),
    QT_TRANSLATE_NOOP("OperatorText",
                      "Updating Device\nDO NOT UNPLUG THE DEVICE\nThis process can take several minutes\nPlease Wait...")};
const FirmwareWriteFlow::Procedure restoring{
    QT_TRANSLATE_NOOP("OperatorText", "Restoring Device"),
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
FlowOutcome FirmwareWriteFlow::update(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state)
{
    FirmwareWriteFlow flow(frontEnd, record, state, updating);
    UpdateDeviceThread worker(state, record.logPath(), record.keepsRecords(), frontEnd.releaseFolder());
    return flow.run(worker);
}

FlowOutcome FirmwareWriteFlow::restore(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state)
{
    FirmwareWriteFlow flow(frontEnd, record, state, restoring);
    RestoreDeviceThread worker(state, record.logPath(), record.keepsRecords(), frontEnd.releaseFolder());
    return flow.run(worker);
}

FirmwareWriteFlow::FirmwareWriteFlow(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state,
                                     const Procedure& procedure)
    : frontEnd(frontEnd),
      record(record),
      state(state),
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
    // so; after it, the stop waits for the last write or a call's budget,
    // and the notice says how long that may be.
    const WriteGuard noStop([this](WriteGuard::Notice notice) {
        if (notice == WriteGuard::Notice::Pause)
            record.note(RunEvent::line(WriteGuard::pauseIgnoredLine(), RunDisplay::Kind::Notice));
        else if (LibraryThread::stopAsked())
            record.note(RunEvent::line(stopNotice(), RunDisplay::Kind::Notice));
    });
    record.note(RunEvent::lines({QString(), heading, QString()}));
    frontEnd.beginBusy(busyText);
    LineRelay relay(record);
    QObject::connect(&worker, &FirmwareWriterThread::updateText, &relay, &LineRelay::updateText);
    // The history has the attempt's row before anything is erased.
    QObject::connect(&worker, &FirmwareWriterThread::happened, &relay, &LineRelay::note,
                     Qt::BlockingQueuedConnection);
    record.sync();
    WorkerRunner::run(worker, &relay, [&] { record.note(RunEvent::progress(worker.progress().percent())); });
    const WriteOutcome& outcome = worker.outcome();
    const FlowOutcome ended = outcomeOf(outcome);
    if (outcome.erasedAny())
        record.note(RunEvent::erased());
    if (!outcome.written())
        record.note(RunEvent::failure(outcome.failureReason()));
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

void FirmwareWriteFlow::say(const QString& line)
{
    record.note(RunEvent::line(line));
}

// A refusal touched nothing: its advice is about its cause, not the cable.
void FirmwareWriteFlow::reportVerdict(const WriteOutcome& outcome)
{
    if (outcome.written()) {
        record.note(RunEvent::status(OperatorText::tr("Firmware updated successfully."), true));
        const QString written = frontEnd.writtenLine(instrumentName(state.deviceType, state.serialNumber),
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
    const QString closing = frontEnd.closingLine();
    if (!closing.isEmpty())
        say(closing);
}
