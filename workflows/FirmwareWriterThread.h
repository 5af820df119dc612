#ifndef FIRMWAREWRITERTHREAD_H
#define FIRMWAREWRITERTHREAD_H

#include "catalogue/Catalogue.h"
#include "families/DeviceFamily.h"
#include "families/DeviceState.h"
#include "workflows/FpgaProgress.h"
#include "workflows/ImageCheck.h"
#include "records/UpdateAttempt.h"
#include "workflows/WriteStep.h"

#include <QThread>

#include <functional>
#include <vector>

// What the update and restore workers share: the copy of the device state
// they work from, their result, the FPGA progress they expose, the check
// that the release is signed and every image they will write is usable
// before they erase, and the clear-then-write of each component from the
// copies of the images that were verified.
class FirmwareWriterThread : public QThread
{
    Q_OBJECT

public:
    FirmwareWriterThread();

    DeviceState state;    // written before start(), only read by the worker
    UpdateAttempt attempt; // the history's row, as far as the flow knows it; written before start()
    bool success = false; // read once the thread has finished
    bool refused = false; // stopped before anything on the instrument was erased
    qint64 attemptId = 0; // the history's row once recorded; read once the thread has finished
    // Why the first failure or refusal happened, naming the step and the
    // instrument, for the history and the report; the log has its own line.
    QString failureReason;
    // Whether a clear was sent to the instrument; read once the thread has finished.
    bool erasedAny() const { return erased; }
    FpgaProgress progress;

signals:
    void addLine(const QString& s);

protected:
    // The whole write of a procedure: the rows' images are checked and
    // copied, the instrument opened by `open` (which says why when it
    // cannot), the record of what follows kept and the attempt entered in
    // the history, then the rows run in order, `finish` (a status) ends the
    // procedure, and the attempt's end is entered. The library reads only the
    // verified copies. False at the first step that fails, after its line;
    // `handle` is then whatever open left.
    bool writeComponents(std::vector<WriteStep> steps, int& handle, const std::function<bool(int&)>& open,
                         const std::function<int(int)>& finish);
    enum Procedure { Update, Restore };
    // A row for each of the model's components, in the catalogue's order,
    // with the family's calls and the procedure's lines.
    std::vector<WriteStep> steps(const DeviceFamily& family, Procedure procedure) const;
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
    // The reason for a line that does not name the instrument.
    QString cannotWrite(const QString& line) const;
    QString instrument() const { return instrumentName(state.deviceType, state.serialNumber); }
    // Emits the line, then gives the log a moment to show it.
    void emitAndPause(const QString& line);

private:
    // Rows an earlier, unfinished operation on this instrument was about to
    // write are written again, whatever the versions say. True when there
    // was such an operation.
    bool unskipUnfinished(std::vector<WriteStep>& steps) const;
    // The refusal of a release not signed by a trusted key, or one line per
    // image of the rows to write that is missing, empty or not the one this
    // release shipped; false (and refused) if any.
    bool imagesUsable(const std::vector<WriteStep>& steps);
    bool openWithCopies(int& handle, const std::function<bool(int&)>& open);
    // False (and refused), after its line, when the record cannot be kept.
    // A history that cannot take its row stops nothing.
    bool recordPending(const std::vector<WriteStep>& steps);
    UpdateAttempt describeAttempt(const std::vector<WriteStep>& steps) const;
    static QStringList componentsWritten(const std::vector<WriteStep>& steps);
    bool writeAll(int handle, const std::vector<WriteStep>& steps, const std::function<int(int)>& finish);
    bool write(int handle, const WriteStep& step, const VerifiedImages::Inside& copies);
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
    void recordStop(const std::vector<WriteStep>& steps, bool resuming);
    // The pending record this run made, for an instrument nothing was erased on.
    void forgetPending();

    ImageCheck images;
    bool erased = false;  // a clear was sent to the instrument
    bool stopped = false; // a stop ended the write before the first erase
};

#endif
