#include "workflows/workers/UpdateDeviceThread.h"

UpdateDeviceThread::UpdateDeviceThread(const DeviceState& state, const QString& sessionLog, bool keepsPending)
    : FirmwareWriterThread(Procedure::Update, state, sessionLog, keepsPending)
{
}
