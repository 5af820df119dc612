#ifndef RESTOREDEVICETHREAD_H
#define RESTOREDEVICETHREAD_H

#include "workflows/workers/FirmwareWriterThread.h"

// Reprograms every component of an instrument that answers only in boot mode
// (or was just bootstrapped), whatever versions it holds.
class RestoreDeviceThread : public FirmwareWriterThread
{
    Q_OBJECT

public:
    RestoreDeviceThread(const DeviceState& state, StopRequest& stop, const QString& sessionLog = QString(),
                        bool keepsPending = true, const QString& releaseFolder = QString());
};

#endif
