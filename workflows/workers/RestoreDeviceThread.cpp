#include "workflows/workers/RestoreDeviceThread.h"

RestoreDeviceThread::RestoreDeviceThread(const DeviceState& state, const QString& sessionLog)
    : FirmwareWriterThread(Procedure::Restore, state, sessionLog)
{
}
