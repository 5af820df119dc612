#include "workflows/workers/RestoreDeviceThread.h"

#include <utility>

RestoreDeviceThread::RestoreDeviceThread(const DeviceState& state, UpdateAttempt attempt)
    : FirmwareWriterThread(Procedure::Restore, state, std::move(attempt))
{
}
