#include "workflows/workers/RestoreDeviceThread.h"

RestoreDeviceThread::RestoreDeviceThread(const DeviceState& state, const QString& sessionLog, bool keepsPending,
                                           const QString& releaseFolder)
    : FirmwareWriterThread(Procedure::Restore, state, sessionLog, keepsPending, releaseFolder)
{
}
