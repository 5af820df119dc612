#include "workflows/flows/CheckVersionsFlow.h"

#include "catalogue/OperatorText.h"
#include "catalogue/Catalogue.h"
#include "families/LibraryThread.h"
#include "records/run/PendingUpdate.h"
#include "workflows/workers/BootstrapThread.h"
#include "workflows/workers/CheckVersionThread.h"
#include "records/run/RunRecord.h"
#include "workflows/workers/LineRelay.h"
#include "workflows/workers/WorkerRunner.h"

CheckVersionsFlow::CheckVersionsFlow(FrontEnd& frontEnd, RunRecord& record)
    : frontEnd(frontEnd), record(record)
{
}

void CheckVersionsFlow::say(const OperatorText& line)
{
    record.note(RunEvent::line(line));
}

void CheckVersionsFlow::conclude(const OperatorText& line)
{
    record.note(RunEvent::line(line, RunDisplay::Kind::Conclusion));
}

void CheckVersionsFlow::noteFailure(const OperatorText& reason)
{
    record.note(RunEvent::failure(reason));
}

FlowOutcome CheckVersionsFlow::run()
{
    say(OperatorText());
    say(OperatorText::tr("Checking Firmware Versions..."));
    say(OperatorText());
    offer(FrontEnd::NoAction);
    detect();
    if (LibraryThread::abandoned())
        return stalled();
    for (const OperatorText& line : qAsConst(notes))
        say(line);
    if (found.status == NotDetected) {
        say(OperatorText::tr("Failed to open boot device."));
        if (!signedRelease)
            return refuseRelease();
        if (!bootstrap())
            return FlowOutcome::Cancelled;
        if (LibraryThread::abandoned())
            return stalled();
    }
    return report();
}

// The call's own line said so; nothing more is asked of the instrument.
// The reason names it once it was found.
FlowOutcome CheckVersionsFlow::stalled()
{
    noteFailure(found.status == NotDetected
                            ? LibraryThread::abandonLine()
                            : LibraryThread::abandonReason(instrumentName(found.deviceType, found.serialNumber)));
    return FlowOutcome::Stalled;
}

void CheckVersionsFlow::offer(int actions)
{
    offeredActions = actions;
    frontEnd.offerActions(actions);
}

// The signature of the list is checked by the worker too, once the
// instrument is found; the images are hashed by the update or restore that
// writes them.
void CheckVersionsFlow::detect()
{
    frontEnd.beginBusy(OperatorText::tr("Checking firmware version\nEstimated 30 seconds\nPlease Wait"));
    CheckVersionThread worker(frontEnd.releaseFolder());
    LineRelay relay(record);
    QObject::connect(&worker, &CheckVersionThread::updateText, &relay, &LineRelay::updateText);
    WorkerRunner::run(worker, &relay);
    frontEnd.endBusy();
    found = worker.result();
    signedRelease = worker.release().release();
    checkedRelease = worker.release().signatureChecked();
    releaseRefusal = worker.releaseRefusal();
    notes = worker.release().notes();
}

FlowOutcome CheckVersionsFlow::refuseRelease()
{
    for (const OperatorText& line : qAsConst(releaseRefusal))
        say(line);
    // Refused before anything answered, there is no instrument to name.
    if (found.status == NotDetected)
        noteFailure(releaseRefusal.value(0));
    else
        noteFailure(OperatorText::tr("Cannot write %1: %2")
                                .arg(instrumentName(found.deviceType, found.serialNumber))
                                .arg(releaseRefusal.value(0)));
    return FlowOutcome::Refused;
}

// Nothing answers. A record of an update that did not finish names a model,
// not the instrument connected: another model's boot image could make that
// instrument pass for the recorded model, and take its firmware next. So
// the records are named and the operator names the model; a record is
// followed only where the operator asked to finish it (restore with no
// model) and it is the only one.
bool CheckVersionsFlow::bootstrap()
{
    say(OperatorText::tr("Looking to bootstrap device."));
    unfinishedRecords = PendingUpdate::unfinished();
    if (frontEnd.finishesUnfinishedUpdate() && unfinishedRecords.size() == 1)
        return bootstrapFromRecord(unfinishedRecords.first());
    for (const PendingUpdate& pending : qAsConst(unfinishedRecords))
        sayUnfinished(pending);
    const std::optional<int> model = frontEnd.chooseModel();
    if (!model)
        return false;
    bootstrapAs(*model);
    return true;
}

void CheckVersionsFlow::sayUnfinished(const PendingUpdate& pending)
{
    say(OperatorText::tr("The last update of %1 serial %2 did not finish.")
            .arg(deviceTypeName(pending.deviceType()))
            .arg(pending.serialNumber()));
}

// Only the serial number in its flash tells that the instrument is the
// recorded one; another one is not written.
bool CheckVersionsFlow::bootstrapFromRecord(const PendingUpdate& pending)
{
    sayUnfinished(pending);
    say(OperatorText::tr("Bootstrapping it as %1, the model on record.").arg(deviceTypeName(pending.deviceType())));
    bootstrapAs(pending.deviceType());
    if (LibraryThread::abandoned()
        || (found.status == NeedsRestore && found.serialNumber == pending.serialNumber()))
        return true;
    say(OperatorText::tr("The instrument that answers is not the one whose update did not finish."));
    return false;
}

void CheckVersionsFlow::bootstrapAs(int deviceType)
{
    found.status = NotDetected;
    found.deviceType = deviceType;
    found.targetVersion = targetVersion(deviceType);
    frontEnd.beginBusy(OperatorText::tr("Bootstrapping Device\nPlease Wait..."));
    BootstrapThread worker(deviceType, frontEnd.releaseFolder());
    LineRelay relay(record);
    QObject::connect(&worker, &BootstrapThread::updateText, &relay, &LineRelay::updateText);
    WorkerRunner::run(worker, &relay);
    frontEnd.endBusy();
    found.serialNumber = worker.serialNumber();
    if (worker.succeeded())
        found.status = NeedsRestore;
}

FlowOutcome CheckVersionsFlow::report()
{
    if (found.status == NotDetected) {
        conclude(OperatorText::tr("Failed to detect device."));
        noteFailure(OperatorText::tr("Cannot find the instrument: none answers, "
                                             "not even to a bootstrap as %1.")
                                .arg(deviceTypeName(found.deviceType)));
        say(OperatorText::tr(
            "Cycle the power on the device, restart the firmware updater,  and try again."));
        say(OperatorText::tr("If you continue to receive this message, contact Pellanor."));
        return FlowOutcome::NothingFound;
    }
    if (found.status == NeedsRestore) {
        say(OperatorText::tr("Attempting to bootstrap firmware."));
        say(OperatorText::tr("Found serial %1").arg(found.serialNumber));
        if (!signedRelease)
            return refuseRelease();
        conclude(OperatorText::tr("Firmware can now be restored."));
        sayWhatNext(FrontEnd::RestoreAction);
        offer(FrontEnd::RestoreAction);
        return FlowOutcome::Done;
    }
    return reportOperational();
}

FlowOutcome CheckVersionsFlow::reportOperational()
{
    say(OperatorText::tr("Found %1").arg(deviceTypeName(found.deviceType)));
    say(OperatorText::tr("Serial %1, with firmware %2")
                         .arg(found.serialNumber)
                         .arg(found.currentVersion.versionString()));
    // Nothing can be written to a model this release has no images for.
    if (!isKnownDeviceType(found.deviceType)) {
        say(OperatorText::tr("This release has no firmware for this device type."));
        noteFailure(OperatorText::tr("This release has no firmware for the instrument of serial %1, "
                                             "which reports the device type %2.")
                                .arg(found.serialNumber)
                                .arg(found.deviceType));
        return FlowOutcome::Refused;
    }
    OperatorText recordProblem;
    const bool unfinished = !PendingUpdate(found.deviceType, found.serialNumber).components(&recordProblem).isEmpty();
    if (!recordProblem.isEmpty())
        say(recordProblem);
    if (unfinished)
        say(OperatorText::tr("The last update of this instrument did not finish."));
    return giveVerdict(unfinished);
}

// Component by component: one newer component is enough to ask before a
// downgrade, even when another one is older. An unfinished update needs
// finishing whatever the versions say.
FlowOutcome CheckVersionsFlow::giveVerdict(bool unfinished)
{
    const FirmwareVersion& current = found.currentVersion;
    const FirmwareVersion& target = found.targetVersion;
    if (target.bootVersion < current.bootVersion || target.runVersion < current.runVersion
        || target.fpgaVersion < current.fpgaVersion)
        return signedRelease ? askAboutDowngrade() : refuseRelease();
    if (unfinished || target.bootVersion > current.bootVersion || target.runVersion > current.runVersion
        || target.fpgaVersion > current.fpgaVersion) {
        conclude(OperatorText::tr("Firmware requires update."));
        if (!signedRelease)
            return refuseRelease();
        sayWhatNext(FrontEnd::UpdateAction);
        offer(FrontEnd::UpdateAction);
    } else {
        conclude(OperatorText::tr("Firmware does not require update."));
    }
    return FlowOutcome::Done;
}

FlowOutcome CheckVersionsFlow::askAboutDowngrade()
{
    if (!frontEnd.confirmDowngrade()) {
        // Why, and what would write it anyway, beside the lines and not
        // only in the reason a script reads.
        const OperatorText declined = frontEnd.downgradeDeclinedLine(instrumentName(found.deviceType, found.serialNumber));
        say(OperatorText::tr("Cancelling operation."));
        say(declined);
        noteFailure(declined);
        return FlowOutcome::Refused;
    }
    offer(FrontEnd::UpdateAction);
    conclude(OperatorText::tr("Firmware can now be updated."));
    sayWhatNext(FrontEnd::UpdateAction);
    return FlowOutcome::Done;
}

// In the front end's words; a command that goes on by itself says nothing.
void CheckVersionsFlow::sayWhatNext(FrontEnd::Action offered)
{
    const OperatorText line = frontEnd.continueLine(offered);
    if (!line.isEmpty())
        say(line);
}
