#ifndef FIRMWAREWRITERTHREAD_H
#define FIRMWAREWRITERTHREAD_H

#include "catalogue/OperatorText.h"

#include "families/DeviceFamily.h"
#include "catalogue/DeviceState.h"
#include "families/OpenedInstrument.h"
#include "host/StopRequest.h"
#include "records/run/RunEvent.h"
#include "workflows/checks/ImageCheck.h"
#include "workflows/workers/WriteOutcome.h"
#include "workflows/workers/WritePlan.h"
#include "workflows/workers/WriteVerdict.h"

#include <QThread>

#include <atomic>

// The update's and the restore's worker: carries out a WritePlan. It checks
// that the release is signed and every image it will write is usable before
// it erases, keeps the pending record from before the first erase to a
// finished write, opens the instrument and clears then writes each planned
// component from the copies of the images that were verified. Says its
// lines with updateText(); the attempt it is about to make goes to the
// run's record, which enters it in the history, before anything is erased.
// Its outcome is read once the thread has finished.
class FirmwareWriterThread : public QThread
{
    Q_OBJECT

public:
    // `stop` is the run's, asked for by a stop signal. `sessionLog` is the
    // run's log file, for the pending record to name. Without
    // `keepsPending` (a rehearsal) no pending record is made or removed.
    // `releaseFolder`: the release the operator named, as ImageCheck takes
    // it.
    FirmwareWriterThread(const WritePlan& plan, StopRequest& stop, const QString& sessionLog,
                         bool keepsPending = true, const QString& releaseFolder = QString());

    // The plan for the instrument the check found, with the pending record
    // of an earlier operation on it.
    static WritePlan planned(WritePlan::Procedure procedure, const DeviceState& state);

    const WritePlan& writePlan() const { return plan; }
    // Read once the thread has finished.
    const WriteOutcome& outcome() const { return result; }
    // What a stop asked for now waits for, read while it runs.
    WritePlan::Wait stopWaits() const;

signals:
    void updateText(const OperatorText& s);
    // RunEvent::attemptOpened, before the first erase: connected so that
    // the worker waits until the history has its row; RunEvent::stepStarted
    // before each component's clear; RunEvent::erased at the first erase;
    // RunEvent::failure with the first reason the write fails for;
    // RunEvent::stillWorking while a call takes longer than announced.
    void happened(const RunEvent& event);

protected:
    void run() override;

private:
    // The images are checked and copied, the instrument opened into
    // `device`, the record of what follows kept and the attempt announced,
    // then the steps run in order, the family's finish ends the procedure,
    // and the pending record goes once all is written. False at the first
    // step that fails, after its line.
    bool writeComponents(const DeviceFamily& family, OpenedInstrument& device);
    bool open(const DeviceFamily& family, OpenedInstrument& device);
    int finish(const DeviceFamily& family, OpenedInstrument& device);
    // False, after its line, when the instrument could not be opened or is
    // not the one the check found (then nothing is written).
    bool hasOpened(DeviceFamily::Opened opened, const OperatorText& line);
    // The reason for a line that does not name the instrument.
    OperatorText cannotWrite(const OperatorText& line) const;
    // Emits the line, then gives the log a moment to show it.
    void emitAndPause(const OperatorText& line);

    // The refusal of a release not signed by a trusted key, or one line per
    // image of the steps to write that is missing, empty or not the one this
    // release shipped; false (and refused) if any.
    bool imagesUsable();
    bool openWithCopies(const DeviceFamily& family, OpenedInstrument& device);
    // False (and refused), after its line, when the record cannot be kept.
    // A history that cannot take its row stops nothing.
    bool recordPending();
    bool writeAll(const DeviceFamily& family, OpenedInstrument& device);
    bool write(const OpenedInstrument& device, const ComponentCalls& calls, std::size_t index,
               const VerifiedImages::Inside& copies);
    // False, after its line, when the private folder was not entered or the
    // copy of `image` (every copy, for an empty name) is not what was verified.
    bool copiesIntact(const VerifiedImages::Inside& inside, const QString& image);
    // The attempt the history is to enter: announced before the first erase,
    // or when a stop ends it before anything was erased.
    void announceAttempt();
    // The pending record: once the write finished, or this run's own for an
    // instrument nothing was erased on.
    void forgetPending();

    const WritePlan plan;
    const DeviceState& state;
    StopRequest& stop;
    const QString sessionLog;
    const bool keepsPending;
    WriteVerdict verdict;
    ImageCheck images;
    std::atomic<WritePlan::Call> nextCall{0}; // the call under way, or the next
    WriteOutcome result;
};

#endif
