#include "workflows/UpdateDeviceThread.h"

#include "families/DeviceFamily.h"
#include "families/LibraryThread.h"

UpdateDeviceThread::UpdateDeviceThread() = default;

// Components already at this release's version are skipped; a failed clear
// or write of any of them, or a failed end of the update, is a failed update.
void UpdateDeviceThread::run()
{
    success = false;
    const LibraryThread::Listener listener([this](const QString& line) { emit addLine(line); });
    const DeviceFamily& family = DeviceFamily::of(state.deviceType);
    int handle = -1;
    success = writeComponents(
        steps(family, Update), handle,
        [&](int& opened) {
            QString line;
            return hasOpened(family.openForUpdate(&opened, state.serialNumber, state.deviceType, &line), line);
        },
        [&](int opened) { return family.finishUpdate(opened); });
}
