#include "workflows/workers/RestoreDeviceThread.h"

RestoreDeviceThread::RestoreDeviceThread(const DeviceState& state, StopRequest& stop, const QString& sessionLog,
                                         bool keepsPending, const QString& releaseFolder)
    : FirmwareWriterThread(planned(WritePlan::Procedure::Restore, state), stop, sessionLog, keepsPending,
                           releaseFolder)
{
}
