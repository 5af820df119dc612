#include "workflows/workers/RestoreDeviceThread.h"

RestoreDeviceThread::RestoreDeviceThread(const DeviceState& state)
    : FirmwareWriterThread(Procedure::Restore, state)
{
}
