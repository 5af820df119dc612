#include "workflows/RestoreDeviceThread.h"

#include "families/DeviceFamily.h"
#include "families/LibraryThread.h"

RestoreDeviceThread::RestoreDeviceThread() = default;

// Every component is rewritten, whatever versions it holds.
void RestoreDeviceThread::run()
{
    success = false;
    const LibraryThread::Listener listener([this](const QString& line) { emit addLine(line); });
    const DeviceFamily& family = DeviceFamily::of(state.deviceType);
    const std::string bootImage = state.targetVersion.bootImagePath();
    int handle = -1;
    success = writeComponents(
        steps(family, Restore), handle,
        [&](int& opened) {
            // The open may bootstrap the instrument with the boot image.
            QString line;
            return hasOpened(
                family.openForRestore(&opened, state.serialNumber, state.deviceType, bootImage.c_str(), &line),
                line);
        },
        [&](int opened) { return family.finishRestore(opened); });
}
