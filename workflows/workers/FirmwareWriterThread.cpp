#include "workflows/workers/FirmwareWriterThread.h"

#include "catalogue/OperatorText.h"
#include "families/LibraryThread.h"
#include "records/run/PendingUpdate.h"
#include "host/WriteGuard.h"

#include <string>
#include <utility>

FirmwareWriterThread::FirmwareWriterThread(Procedure procedure, const DeviceState& state, const QString& sessionLog,
                                           bool keepsPending, const QString& releaseFolder)
    : QThread(nullptr), procedure(procedure), state(state), sessionLog(sessionLog), keepsPending(keepsPending),
      images([this](const QString& line) { reportFailure(line, cannotWrite(line)); }, releaseFolder)
{
}

// The instrument is held from its open to the end of the write; only a
// family's finish closes it, where that family closes it at all.
void FirmwareWriterThread::run()
{
    const LibraryThread::Listener listener([this](const QString& line) { emit updateText(line); });
    const DeviceFamily& family = DeviceFamily::of(state.deviceType);
    OpenedInstrument device(family.closeCall());
    const bool written = writeComponents(steps(family), family, device);
    const WriteOutcome::End end = written ? WriteOutcome::End::Written
                                  : refused ? WriteOutcome::End::Refused
                                            : WriteOutcome::End::Failed;
    result = WriteOutcome(end, erased, failureReason, refused ? nextStep : QString());
}

// An update opens the instrument by the serial number the check found; a
// restore opens the one in its boot loader, bootstrapping it with the boot
// image where it does not answer.
bool FirmwareWriterThread::open(const DeviceFamily& family, OpenedInstrument& device)
{
    const DeviceFamily::Identity checked{state.serialNumber, state.deviceType};
    QString line;
    if (procedure == Procedure::Update)
        return hasOpened(family.openForUpdate(device, checked, &line), line);
    const std::string bootImage = state.targetVersion.bootImagePath();
    return hasOpened(family.openForRestore(device, checked, bootImage.c_str(), &line), line);
}

int FirmwareWriterThread::finish(const DeviceFamily& family, OpenedInstrument& device) const
{
    return procedure == Procedure::Update ? family.finishUpdate(device) : family.finishRestore(device);
}

bool FirmwareWriterThread::writeComponents(std::vector<WriteStep> steps, const DeviceFamily& family,
                                           OpenedInstrument& device)
{
    const bool resuming = unskipUnfinished(steps);
    erased = false;
    if (!imagesUsable(steps) || stopHonoured() || !openWithCopies(family, device) || !recordPending(steps)) {
        if (stopped)
            announceAttempt(steps, resuming);
        return false;
    }
    announceAttempt(steps, resuming);
    const bool written = writeAll(family, device, steps);
    // Only a finished operation clears the record; any other end leaves it
    // for the next check to find. Nothing was erased: the instrument is as
    // it was, and a record this run made would only send the next one to
    // rewrite it.
    if (written || (!erased && !resuming))
        forgetPending();
    return written;
}

// An attempt with nothing to write is no attempt: the history keeps none.
void FirmwareWriterThread::announceAttempt(const std::vector<WriteStep>& steps, bool resuming)
{
    if (!componentsWritten(steps).isEmpty())
        emit happened(RunEvent::attemptOpened(describeAttempt(steps), resuming));
}

void FirmwareWriterThread::forgetPending()
{
    if (!keepsPending)
        return;
    const QString left = PendingUpdate(state.deviceType, state.serialNumber).remove();
    if (!left.isEmpty())
        emit updateText(OperatorText::tr("Could not clear the update record: %1").arg(left));
}

// Checked between the steps that come before the first erase, and by the
// library's door during a call: a stop then erases nothing.
bool FirmwareWriterThread::stopHonoured()
{
    if (erased || !(WriteGuard::stopRequested() || LibraryThread::stoppedBeforeErasing()))
        return false;
    honourStop();
    return true;
}

void FirmwareWriterThread::honourStop()
{
    if (stopped)
        return;
    stopped = true;
    refuse(OperatorText::tr("Nothing on the instrument was changed. Start the update again when ready."));
    reportFailure(OperatorText::tr("Stopped before anything was erased."),
                  OperatorText::tr("Stopped before anything was erased on %1.").arg(checkedInstrument()));
}

// The first erase is where a stop stops being honoured at once: from then
// on it waits for the procedure's last write.
bool FirmwareWriterThread::mayErase()
{
    if (erased)
        return true;
    if (!WriteGuard::stopRequested() && LibraryThread::beginErasing())
        return true;
    honourStop();
    return false;
}

// The open may bootstrap the instrument with the boot image, which the
// library reads by its name: the verified copy.
bool FirmwareWriterThread::openWithCopies(const DeviceFamily& family, OpenedInstrument& device)
{
    const VerifiedImages::Inside copies(*images.images());
    if (!copiesIntact(copies, QString()))
        return false;
    return open(family, device);
}

// Only bytes that were verified reach the library: when the private folder
// could not be entered or a copy is no longer the file that was made (a
// cleaner of the temporary folder, say), the call is not made. Before the
// first erase that refuses the write; after it, the step fails.
bool FirmwareWriterThread::copiesIntact(const VerifiedImages::Inside& inside, const QString& image)
{
    QString problem = inside.problem();
    if (problem.isEmpty())
        problem = images.images()->problemWith(image);
    if (problem.isEmpty())
        return true;
    reportFailure(OperatorText::tr("The verified copy of the firmware cannot be used (%1); "
                                   "the device library was not called.")
                      .arg(problem),
                  OperatorText::tr("The verified copy of the firmware for %1 cannot be used (%2); "
                                   "the device library was not called.")
                      .arg(checkedInstrument())
                      .arg(problem));
    if (!erased)
        refuse(fixThenAgain());
    return false;
}

bool FirmwareWriterThread::imagesUsable(const std::vector<WriteStep>& steps)
{
    std::vector<std::string> paths;
    for (const WriteStep& step : steps) {
        if (!step.skipped)
            paths.push_back(step.image);
    }
    if (images.passes(paths))
        return true;
    refuse(OperatorText::tr("Nothing on the instrument was changed. Get this release again, whole and signed by a "
                            "trusted key, then start the update again."));
    return false;
}

bool FirmwareWriterThread::unskipUnfinished(std::vector<WriteStep>& steps) const
{
    const QStringList unfinished = PendingUpdate(state.deviceType, state.serialNumber).components();
    for (WriteStep& step : steps) {
        if (unfinished.contains(step.component) || unfinished.contains(QStringLiteral("all")))
            step.skipped = false;
    }
    return !unfinished.isEmpty();
}

bool FirmwareWriterThread::recordPending(const std::vector<WriteStep>& steps)
{
    QString reason;
    if (!keepsPending || componentsWritten(steps).isEmpty()
        || PendingUpdate(state.deviceType, state.serialNumber)
               .write(componentsWritten(steps), state.targetVersion.versionString(), sessionLog, &reason))
        return true;
    reportFailure(OperatorText::tr("Cannot record the update before writing: %1").arg(reason),
                  OperatorText::tr("Cannot record the update of %1 before writing: %2").arg(checkedInstrument()).arg(reason));
    refuse(fixThenAgain());
    return false;
}

// Who writes what to which instrument, and the release as it was verified
// before the first erase: its signer, and the digest of the very list bytes
// whose signature held. The run's record adds its session log.
UpdateAttempt FirmwareWriterThread::describeAttempt(const std::vector<WriteStep>& steps) const
{
    UpdateAttempt described = UpdateAttempt::onThisMachine();
    described.action = procedure == Procedure::Update ? QStringLiteral("update") : QStringLiteral("restore");
    described.model = deviceTypeName(state.deviceType);
    described.serial = state.serialNumber;
    // Only an operational instrument told its versions.
    if (state.status == Operational)
        described.versionBefore = state.currentVersion.versionString();
    described.versionTarget = state.targetVersion.versionString();
    described.started = QDateTime::currentDateTimeUtc();
    described.components = componentsWritten(steps);
    if (images.release()) {
        described.releaseKey = images.release()->keyId();
        described.sumsSha256 = QString::fromLatin1(images.release()->checksumsDigest());
    }
    return described;
}

QStringList FirmwareWriterThread::componentsWritten(const std::vector<WriteStep>& steps)
{
    QStringList components;
    for (const WriteStep& step : steps) {
        if (!step.skipped)
            components << step.component;
    }
    return components;
}

// Only the verified copies are reached by the images' names meanwhile; the
// state folder is not used until the working folder is back.
bool FirmwareWriterThread::writeAll(const DeviceFamily& family, OpenedInstrument& device,
                                    const std::vector<WriteStep>& steps)
{
    const VerifiedImages::Inside copies(*images.images());
    if (!copiesIntact(copies, QString()))
        return false;
    for (const WriteStep& step : steps) {
        if (!write(device, step, copies))
            return false;
    }
    return !failed(finish(family, device), OperatorText::tr("Failed presetting the instrument."),
                   OperatorText::tr("Failed presetting %1.").arg(checkedInstrument()));
}

bool FirmwareWriterThread::write(const OpenedInstrument& device, const WriteStep& step,
                                 const VerifiedImages::Inside& copies)
{
    const int handle = device.handle();
    if (step.skipped) {
        emitAndPause(step.skipLine);
        return true;
    }
    if (!mayErase())
        return false;
    emit happened(RunEvent::stepStarted(step.component, step.estimate));
    emit updateText(step.announce);
    const WriteStep::Progress percent = step.showsProgress ? fpga.begin() : nullptr;
    erased = true;
    const bool written = !failed(step.clear(handle, percent), step.clearFailed, step.clearReason)
                         && copiesIntact(copies, QString::fromStdString(step.image))
                         && !failed(step.write(handle, step.image, percent), step.writeFailed, step.writeReason);
    if (step.showsProgress)
        fpga.end();
    return written;
}

std::vector<WriteStep> FirmwareWriterThread::steps(const DeviceFamily& family) const
{
    std::vector<WriteStep> rows;
    const Model* model = ModelTable::find(state.deviceType);
    if (!model)
        return rows;
    for (const ModelComponent& component : model->components) {
        const ComponentCalls* calls = family.component(component.name);
        // Only for a test's family: the updater refuses to start while a
        // component has no calls (DeviceFamily::unwrittenComponent).
        if (!calls)
            continue;
        WriteStep row;
        row.component = component.name;
        row.image = component.imagePath(state.targetVersion);
        const int serial = procedure == Procedure::Restore || calls->updatePassesSerial ? state.serialNumber : -1;
        const CallBudget::Seconds estimate =
            procedure == Procedure::Update ? calls->updateEstimate : calls->restoreSeconds();
        row.clear = [calls, estimate](int handle, const WriteStep::Progress& progress) {
            return calls->timedClear(handle, progress, estimate);
        };
        row.write = [calls, serial, estimate](int handle, const std::string& image,
                                              const WriteStep::Progress& progress) {
            return calls->timedWrite(handle, image, serial, progress, estimate);
        };
        row.showsProgress = calls->showsProgress;
        row.estimate = estimate;
        row.clearReason = OperatorText::tr("Failed clearing %1 of %2.").arg(calls->label).arg(checkedInstrument());
        row.writeReason = OperatorText::tr("Failed writing %1 of %2.").arg(calls->label).arg(checkedInstrument());
        if (procedure == Procedure::Update) {
            row.announce = calls->updateAnnounce();
            row.skipLine = calls->updateSkip();
            row.skipped = state.currentVersion.*component.version == state.targetVersion.*component.version;
            row.clearFailed = OperatorText::tr("Failed Clearing");
            row.writeFailed = OperatorText::tr("Failed Writing");
        } else {
            row.announce = calls->restoreAnnounce();
            row.clearFailed = calls->restoreClearFailed;
            row.writeFailed = calls->restoreWriteFailed();
        }
        rows.push_back(row);
    }
    return rows;
}

// Minutes can pass between the check and the write, time enough to plug in
// another instrument; writing the checked one's images and serial number to
// it would give it another's identity.
bool FirmwareWriterThread::hasOpened(DeviceFamily::Opened opened, const QString& line)
{
    if (stopHonoured())
        return false;
    if (opened == DeviceFamily::Opened::Yes)
        return true;
    if (stoppedAnswering())
        return false;
    if (opened == DeviceFamily::Opened::NotChecked) {
        reportFailure(OperatorText::tr("The connected instrument is not the one checked; nothing was written."),
                      OperatorText::tr("The connected instrument is not %1, the one checked; nothing was written.")
                          .arg(checkedInstrument()));
        refuse(OperatorText::tr("Nothing on the instrument was changed. Connect only the instrument to update, "
                                "then start again."));
        return false;
    }
    reportFailure(line, OperatorText::tr("Failed opening %1: %2").arg(checkedInstrument()).arg(line));
    QThread::msleep(32);
    return false;
}

bool FirmwareWriterThread::failed(int status, const QString& line, const QString& reason)
{
    if (status == 0)
        return false;
    if (stopHonoured() || stoppedAnswering())
        return true;
    reportFailure(line, reason);
    return true;
}

// The first refusal's advice stands, as its reason does.
void FirmwareWriterThread::refuse(const QString& advice)
{
    if (!refused)
        nextStep = advice;
    refused = true;
}

QString FirmwareWriterThread::fixThenAgain()
{
    return OperatorText::tr("Nothing on the instrument was changed. Once what the line above names is put right, "
                            "start the update again.");
}

void FirmwareWriterThread::reportFailure(const QString& line, const QString& reason)
{
    if (failureReason.isEmpty())
        failureReason = reason;
    emit updateText(line);
}

// The image checks speak of files; the history and the report are read
// without the log, so the reason says which instrument was left alone.
QString FirmwareWriterThread::cannotWrite(const QString& line) const
{
    return OperatorText::tr("Cannot write %1: %2").arg(checkedInstrument()).arg(line);
}

// The call's own line said so; the reason on record names the instrument too.
bool FirmwareWriterThread::stoppedAnswering()
{
    if (!LibraryThread::abandoned())
        return false;
    failureReason = LibraryThread::abandonReason(checkedInstrument());
    return true;
}

void FirmwareWriterThread::emitAndPause(const QString& line)
{
    emit updateText(line);
    QThread::msleep(32);
}
