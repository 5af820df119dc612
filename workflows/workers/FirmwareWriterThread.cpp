#include "workflows/workers/FirmwareWriterThread.h"

#include "catalogue/Catalogue.h"
#include "catalogue/OperatorText.h"
#include "families/LibraryThread.h"
#include "records/run/PendingUpdate.h"

#include <string>
#include <utility>

FirmwareWriterThread::FirmwareWriterThread(const WritePlan& plan, StopRequest& stop, const QString& sessionLog,
                                           bool keepsPending, const QString& releaseFolder)
    : QThread(nullptr), plan(plan), state(this->plan.state()), stop(stop), sessionLog(sessionLog),
      keepsPending(keepsPending),
      verdict(stop, instrumentName(state.deviceType, state.serialNumber),
              [this](const OperatorText& line) { emit updateText(line); },
              [this](const RunEvent& event) { emit happened(event); }),
      images([this](const OperatorText& line) { verdict.fail(line, cannotWrite(line)); }, releaseFolder)
{
}

WritePlan FirmwareWriterThread::planned(WritePlan::Procedure procedure, const DeviceState& state)
{
    return WritePlan(procedure, state, DeviceFamily::of(state.deviceType),
                     PendingUpdate(state.deviceType, state.serialNumber).components());
}

// The instrument is held from its open to the end of the write; only a
// family's finish closes it, where that family closes it at all. A stop
// before the first erase gives up the call under way.
void FirmwareWriterThread::run()
{
    const LibraryThread::Listener listener(
        [this](const OperatorText& line) { emit updateText(line); },
        [this](const StillWorking& notice) { emit happened(RunEvent::stillWorking(notice)); },
        [this](int percent) { emit happened(RunEvent::progress(percent)); });
    const LibraryThread::StopWatch watch([this] { return stop.endsAtOnce(); });
    const DeviceFamily& family = DeviceFamily::of(state.deviceType);
    OpenedInstrument device(family.closeCall());
    result = verdict.outcome(writeComponents(family, device));
}

WritePlan::Wait FirmwareWriterThread::stopWaits() const
{
    const WritePlan::Call call = nextCall;
    return plan.waitFrom(call, LibraryThread::timeLeft());
}

// An update opens the instrument by the serial number the check found; a
// restore opens the one in its boot loader, bootstrapping it with the boot
// image where it does not answer.
bool FirmwareWriterThread::open(const DeviceFamily& family, OpenedInstrument& device)
{
    const DeviceFamily::Identity checked{state.serialNumber, state.deviceType};
    OperatorText line;
    if (plan.procedure() == WritePlan::Procedure::Update)
        return hasOpened(family.openForUpdate(device, checked, &line), line);
    const std::string bootImage = state.targetVersion.bootImagePath();
    return hasOpened(family.openForRestore(device, checked, bootImage.c_str(), &line), line);
}

int FirmwareWriterThread::finish(const DeviceFamily& family, OpenedInstrument& device)
{
    nextCall = plan.finishCall();
    return plan.procedure() == WritePlan::Procedure::Update ? family.finishUpdate(device) : family.finishRestore(device);
}

bool FirmwareWriterThread::writeComponents(const DeviceFamily& family, OpenedInstrument& device)
{
    if (!imagesUsable() || verdict.stopEnds() || !openWithCopies(family, device) || !recordPending()) {
        if (verdict.stopped())
            announceAttempt();
        return false;
    }
    announceAttempt();
    const bool written = writeAll(family, device);
    // Only a finished operation clears the record; any other end leaves it
    // for the next check to find. Nothing was erased: the instrument is as
    // it was, and a record this run made would only send the next one to
    // rewrite it.
    if (written || (!verdict.erased() && !plan.resumes()))
        forgetPending();
    return written;
}

// An attempt with nothing to write is no attempt: the history keeps none.
// Who writes what to which instrument, and the release as it was verified
// before the first erase: its signer, and the digest of the very list bytes
// whose signature held. The run's record adds its session log.
void FirmwareWriterThread::announceAttempt()
{
    if (plan.written().isEmpty())
        return;
    UpdateAttempt described = plan.attempt();
    described.started = QDateTime::currentDateTimeUtc();
    if (images.release()) {
        described.releaseKey = images.release()->keyId();
        described.sumsSha256 = QString::fromLatin1(images.release()->checksumsDigest());
    }
    emit happened(RunEvent::attemptOpened(described, plan.resumes()));
}

void FirmwareWriterThread::forgetPending()
{
    if (!keepsPending)
        return;
    const QString left = PendingUpdate(state.deviceType, state.serialNumber).remove();
    if (!left.isEmpty())
        emit updateText(OperatorText::tr("Could not clear the update record: %1").arg(left));
}

// The open may bootstrap the instrument with the boot image, which the
// library reads by its name: the verified copy.
bool FirmwareWriterThread::openWithCopies(const DeviceFamily& family, OpenedInstrument& device)
{
    const VerifiedImages::Inside copies(*images.images());
    return copiesIntact(copies, QString()) && open(family, device);
}

// Only bytes that were verified reach the library: when the private folder
// could not be entered or a copy is no longer the file that was made (a
// cleaner of the temporary folder, say), the call is not made. Before the
// first erase that refuses the write; after it, the step fails.
bool FirmwareWriterThread::copiesIntact(const VerifiedImages::Inside& inside, const QString& image)
{
    OperatorText problem = inside.problem();
    if (problem.isEmpty())
        problem = images.images()->problemWith(image);
    if (problem.isEmpty())
        return true;
    verdict.fail(OperatorText::tr("The verified copy of the firmware cannot be used (%1); "
                                   "the device library was not called.")
                      .arg(problem),
                  OperatorText::tr("The verified copy of the firmware for %1 cannot be used (%2); "
                                   "the device library was not called.")
                      .arg(verdict.instrument())
                      .arg(problem));
    if (!verdict.erased())
        verdict.refuseUntilFixed();
    return false;
}

bool FirmwareWriterThread::imagesUsable()
{
    std::vector<std::string> paths;
    for (const WriteStep& step : plan.steps()) {
        if (!step.skipped)
            paths.push_back(step.image);
    }
    if (images.passes(paths))
        return true;
    verdict.refuse(OperatorText::tr("Nothing on the instrument was changed. Get this release again, whole and signed by a "
                            "trusted key, then start the update again."));
    return false;
}

bool FirmwareWriterThread::recordPending()
{
    OperatorText reason;
    if (!keepsPending || plan.written().isEmpty()
        || PendingUpdate(state.deviceType, state.serialNumber)
               .write(plan.written(), plan.recordedVersion(), sessionLog, &reason))
        return true;
    verdict.fail(OperatorText::tr("Cannot record the update before writing: %1").arg(reason),
                 OperatorText::tr("Cannot record the update of %1 before writing: %2")
                     .arg(verdict.instrument())
                     .arg(reason));
    verdict.refuseUntilFixed();
    return false;
}

// Only the verified copies are reached by the images' names meanwhile; the
// state folder is not used until the working folder is back.
bool FirmwareWriterThread::writeAll(const DeviceFamily& family, OpenedInstrument& device)
{
    const VerifiedImages::Inside copies(*images.images());
    if (!copiesIntact(copies, QString()))
        return false;
    for (std::size_t index = 0; index < plan.steps().size(); ++index) {
        if (!write(device, *family.component(plan.steps()[index].component), index, copies))
            return false;
    }
    return !verdict.failed(finish(family, device), OperatorText::tr("Failed presetting the instrument."),
                           OperatorText::tr("Failed presetting %1.").arg(verdict.instrument()));
}

bool FirmwareWriterThread::write(const OpenedInstrument& device, const ComponentCalls& calls, std::size_t index,
                                 const VerifiedImages::Inside& copies)
{
    const WriteStep& step = plan.steps()[index];
    if (step.skipped) {
        emitAndPause(step.skipLine);
        return true;
    }
    if (!verdict.mayErase())
        return false;
    emit happened(RunEvent::stepStarted(step.component, step.estimate, step.budget));
    emit updateText(step.announce);
    const int handle = device.handle();
    // A figure of the step's own: a call given up on may still write it.
    const ComponentCalls::Progress percent = step.showsProgress ? std::make_shared<double>(0.0) : nullptr;
    nextCall = *plan.clearOf(index);
    bool written = !verdict.failed(calls.timedClear(handle, percent, step.estimate), step.clearFailed,
                                   step.clearReason)
                   && copiesIntact(copies, QString::fromStdString(step.image));
    nextCall = *plan.clearOf(index) + 1;
    written = written
              && !verdict.failed(calls.timedWrite(handle, step.image, step.serial, percent, step.estimate),
                                 step.writeFailed, step.writeReason);
    if (step.showsProgress)
        emit happened(RunEvent::progress(-1));
    return written;
}

// Minutes can pass between the check and the write, time enough to plug in
// another instrument; writing the checked one's images and serial number to
// it would give it another's identity.
bool FirmwareWriterThread::hasOpened(DeviceFamily::Opened opened, const OperatorText& line)
{
    if (verdict.stopEnds())
        return false;
    if (opened == DeviceFamily::Opened::Yes)
        return true;
    if (verdict.stoppedAnswering())
        return false;
    if (opened == DeviceFamily::Opened::NotChecked) {
        verdict.fail(OperatorText::tr("The connected instrument is not the one checked; nothing was written."),
                     OperatorText::tr("The connected instrument is not %1, the one checked; nothing was written.")
                         .arg(verdict.instrument()));
        verdict.refuse(OperatorText::tr("Nothing on the instrument was changed. Connect only the instrument to update, "
                                "then start again."));
        return false;
    }
    verdict.fail(line, OperatorText::tr("Failed opening %1: %2").arg(verdict.instrument()).arg(line));
    QThread::msleep(32);
    return false;
}

// The image checks speak of files; the history and the report are read
// without the log, so the reason says which instrument was left alone.
OperatorText FirmwareWriterThread::cannotWrite(const OperatorText& line) const
{
    return OperatorText::tr("Cannot write %1: %2").arg(verdict.instrument()).arg(line);
}

void FirmwareWriterThread::emitAndPause(const OperatorText& line)
{
    emit updateText(line);
    QThread::msleep(32);
}
