#ifndef UPDATEDEVICETHREAD_H
#define UPDATEDEVICETHREAD_H

#include "workflows/FirmwareWriterThread.h"

// Opens the instrument by its serial number and rewrites each component whose
// version differs from this release's, in the catalogue's order.
class UpdateDeviceThread : public FirmwareWriterThread
{
    Q_OBJECT

public:
    UpdateDeviceThread();

protected:
    void run() override;
};

#endif
