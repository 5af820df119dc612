#include "workflows/workers/UpdateDeviceThread.h"

UpdateDeviceThread::UpdateDeviceThread(const DeviceState& state)
    : FirmwareWriterThread(Procedure::Update, state)
{
}
