#include "workflows/workers/UpdateDeviceThread.h"

UpdateDeviceThread::UpdateDeviceThread(const DeviceState& state, const QString& sessionLog)
    : FirmwareWriterThread(Procedure::Update, state, sessionLog)
{
}
