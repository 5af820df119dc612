#ifndef UPDATEDEVICETHREAD_H
#define UPDATEDEVICETHREAD_H

#include "workflows/workers/FirmwareWriterThread.h"

// Opens the instrument by its serial number and rewrites each component whose
// version differs from this release's, in the catalogue's order. A failed
// clear or write of any of them, or a failed end of the update, is a failed
// update.
class UpdateDeviceThread : public FirmwareWriterThread
{
    Q_OBJECT

public:
    UpdateDeviceThread(const DeviceState& state, StopRequest& stop, const QString& sessionLog = QString(),
                       bool keepsPending = true, const QString& releaseFolder = QString());
};

#endif
