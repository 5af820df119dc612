#ifndef FIRMWAREWRITERTHREAD_H
#define FIRMWAREWRITERTHREAD_H

#include "workflows/DeviceState.h"
#include "workflows/FpgaProgress.h"

#include <QThread>

#include <string>
#include <vector>

// What the update and restore workers share: the copy of the panel's device
// state they work from, their one result, the FPGA progress they expose, and
// the check that every image they will write is usable before they erase.
class FirmwareWriterThread : public QThread
{
    Q_OBJECT

public:
    FirmwareWriterThread();

    DeviceState state;    // written before start(), only read by the worker
    bool success = false; // read once the thread has finished
    FpgaProgress progress;

signals:
    void addLine(const QString& s);

protected:
    // Emits one line per image that is missing, empty or not the one this
    // release shipped, and answers whether all of them can be written.
    bool imagesUsable(const std::vector<std::string>& imagePaths);
    // True for a non-zero status, after emitting the line that reports it.
    bool failed(int status, const QString& line);
};

#endif
