#include "workflows/workers/UpdateDeviceThread.h"

UpdateDeviceThread::UpdateDeviceThread(const DeviceState& state, const QString& sessionLog, bool keepsPending,
                                         const QString& releaseFolder)
    : FirmwareWriterThread(Procedure::Update, state, sessionLog, keepsPending, releaseFolder)
{
}
