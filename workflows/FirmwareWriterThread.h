#ifndef FIRMWAREWRITERTHREAD_H
#define FIRMWAREWRITERTHREAD_H

#include "workflows/DeviceState.h"
#include "workflows/FpgaProgress.h"
#include "workflows/WriteStep.h"

#include <QThread>

#include <vector>

// What the update and restore workers share: the copy of the device state
// they work from, their result, the FPGA progress they expose, the check
// that every image they will write is usable before they erase, and the
// clear-then-write of each component.
class FirmwareWriterThread : public QThread
{
    Q_OBJECT

public:
    FirmwareWriterThread();

    DeviceState state;    // written before start(), only read by the worker
    bool success = false; // read once the thread has finished
    bool refused = false; // stopped before anything was sent to the instrument
    FpgaProgress progress;

signals:
    void addLine(const QString& s);

protected:
    // Emits one line per image of the rows to write that is missing, empty or
    // not the one this release shipped; false (and refused) if any is.
    bool imagesUsable(const std::vector<WriteStep>& steps);
    // Rows an earlier, unfinished operation on this instrument was about to
    // write are written again, whatever the versions say.
    void unskipUnfinished(std::vector<WriteStep>& steps) const;
    // Leaves the record of what is about to be written; false (and refused),
    // after its line, when it cannot.
    bool recordPending(const std::vector<WriteStep>& steps);
    // Runs the rows in order; false at the first that fails, after its line.
    bool writeAll(int handle, const std::vector<WriteStep>& steps);
    // True for a non-zero status, after emitting the line that reports it.
    bool failed(int status, const QString& line);
    // Emits the line, then gives the log a moment to show it.
    void emitAndPause(const QString& line);

private:
    bool write(int handle, const WriteStep& step);
};

#endif
