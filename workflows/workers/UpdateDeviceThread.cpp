#include "workflows/workers/UpdateDeviceThread.h"

#include <utility>

UpdateDeviceThread::UpdateDeviceThread(const DeviceState& state, UpdateAttempt attempt)
    : FirmwareWriterThread(Procedure::Update, state, std::move(attempt))
{
}
