#include "workflows/workers/UpdateDeviceThread.h"

UpdateDeviceThread::UpdateDeviceThread(const DeviceState& state, StopRequest& stop, const QString& sessionLog,
                                       bool keepsPending)
    : FirmwareWriterThread(planned(WritePlan::Procedure::Update, state), stop, sessionLog, keepsPending)
{
}
