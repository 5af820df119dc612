#include "workflows/workers/UpdateDeviceThread.h"

UpdateDeviceThread::UpdateDeviceThread(const DeviceState& state, StopRequest& stop, const QString& sessionLog,
                                       bool keepsPending, const QString& releaseFolder)
    : FirmwareWriterThread(planned(WritePlan::Procedure::Update, state), stop, sessionLog, keepsPending, releaseFolder)
{
}
