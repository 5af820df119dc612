#ifndef FIRMWAREWRITERTHREAD_H
#define FIRMWAREWRITERTHREAD_H

#include "catalogue/Catalogue.h"
#include "families/DeviceFamily.h"
#include "catalogue/DeviceState.h"
#include "families/OpenedInstrument.h"
#include "workflows/workers/FpgaProgress.h"
#include "workflows/checks/ImageCheck.h"
#include "records/history/UpdateAttempt.h"
#include "records/run/RunEvent.h"
#include "workflows/workers/WriteOutcome.h"
#include "workflows/workers/WriteStep.h"

#include <QThread>

#include <vector>

// The update's and the restore's worker, one writer with the procedure as
// its parameter: the copy of the device state it works from, the FPGA
// progress it exposes, the check that the release is signed and every image
// it will write is usable before it erases, the pending record kept from
// before the first erase to a finished write, the instrument opened and the
// clear-then-write of each component from the copies of the images that
// were verified. Says its lines with updateText(); the attempt it is about
// to make goes to the run's record, which enters it in the history, before
// anything is erased. Its outcome is read once the thread has finished.
class FirmwareWriterThread : public QThread
{
    Q_OBJECT

public:
    enum class Procedure { Update, Restore };

    // `sessionLog` is the run's log file, for the pending record to name.
    // Without `keepsPending` (a rehearsal) no pending record is made or
    // removed. `releaseFolder`: the release the operator named, as
    // ImageCheck takes it.
    FirmwareWriterThread(Procedure procedure, const DeviceState& state, const QString& sessionLog,
                         bool keepsPending = true, const QString& releaseFolder = QString());

    // Read once the thread has finished.
    const WriteOutcome& outcome() const { return result; }
    // Read while it runs.
    const FpgaProgress& progress() const { return fpga; }

signals:
    void updateText(const QString& s);
    // RunEvent::attemptOpened, before the first erase: connected so that
    // the worker waits until the history has its row; RunEvent::stepStarted
    // before each component's clear.
    void happened(const RunEvent& event);

protected:
    void run() override;

private:
    // The whole write of the procedure: the rows' images are checked and
    // copied, the instrument opened into `device` (with a line that
    // says why when it cannot), the record of what follows kept and the
    // attempt announced, then the rows run in order, the family's finish
    // ends the procedure, and the pending record goes once all is written.
    // The library reads only the verified copies. False at the first step
    // that fails, after its line.
    bool writeComponents(std::vector<WriteStep> steps, const DeviceFamily& family, OpenedInstrument& device);
    // A row for each of the model's components, in the catalogue's order,
    // with the family's calls and the procedure's lines.
    std::vector<WriteStep> steps(const DeviceFamily& family) const;
    bool open(const DeviceFamily& family, OpenedInstrument& device);
    int finish(const DeviceFamily& family, OpenedInstrument& device) const;
    // False, after its line, when the instrument could not be opened or is
    // not the one the check found (then nothing is written).
    bool hasOpened(DeviceFamily::Opened opened, const QString& line);
    // True for a non-zero status, after emitting the line that reports it.
    bool failed(int status, const QString& line, const QString& reason);
    // A call was abandoned: the instrument stopped answering, which its
    // line said; true, with that line as the failure.
    bool stoppedAnswering();
    // Emits the line that says why the write stops, and keeps the reason
    // unless an earlier failure gave one.
    void reportFailure(const QString& line, const QString& reason);
    // Nothing was erased and the write ends: `advice` says what to do.
    void refuse(const QString& advice);
    static QString fixThenAgain();
    // The reason for a line that does not name the instrument.
    QString cannotWrite(const QString& line) const;
    QString checkedInstrument() const { return instrumentName(state.deviceType, state.serialNumber); }
    // Emits the line, then gives the log a moment to show it.
    void emitAndPause(const QString& line);

    // Rows an earlier, unfinished operation on this instrument was about to
    // write are written again, whatever the versions say. True when there
    // was such an operation.
    bool unskipUnfinished(std::vector<WriteStep>& steps) const;
    // The refusal of a release not signed by a trusted key, or one line per
    // image of the rows to write that is missing, empty or not the one this
    // release shipped; false (and refused) if any.
    bool imagesUsable(const std::vector<WriteStep>& steps);
    bool openWithCopies(const DeviceFamily& family, OpenedInstrument& device);
    // False (and refused), after its line, when the record cannot be kept.
    // A history that cannot take its row stops nothing.
    bool recordPending(const std::vector<WriteStep>& steps);
    UpdateAttempt describeAttempt(const std::vector<WriteStep>& steps) const;
    static QStringList componentsWritten(const std::vector<WriteStep>& steps);
    bool writeAll(const DeviceFamily& family, OpenedInstrument& device, const std::vector<WriteStep>& steps);
    bool write(const OpenedInstrument& device, const WriteStep& step, const VerifiedImages::Inside& copies);
    // False, after its line, when the private folder was not entered or the
    // copy of `image` (every copy, for an empty name) is not what was verified.
    bool copiesIntact(const VerifiedImages::Inside& inside, const QString& image);
    // A stop before the first erase ends the write there, erasing nothing:
    // true, after its line, when one was asked for.
    bool stopHonoured();
    void honourStop();
    // Whether the first erase may begin: false, after the stop's line, when a
    // stop came first. Always true once something was erased.
    bool mayErase();
    // The attempt the history is to enter: announced before the first erase,
    // or when a stop ends it before anything was erased.
    void announceAttempt(const std::vector<WriteStep>& steps, bool resuming);
    // The pending record: once the write finished, or this run's own for an
    // instrument nothing was erased on.
    void forgetPending();

    const Procedure procedure;
    const DeviceState state;
    const QString sessionLog;
    const bool keepsPending;
    FpgaProgress fpga;
    ImageCheck images;
    bool erased = false;  // a clear was sent to the instrument
    bool stopped = false; // a stop ended the write before the first erase
    bool refused = false; // stopped before anything on the instrument was erased
    QString failureReason;
    QString nextStep; // a refusal's advice
    WriteOutcome result;
};

#endif
