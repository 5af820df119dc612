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
    const bool written = writeComponents(steps(family, Restore), handle, [&](int& opened) {
        // The open may bootstrap the instrument with the boot image.
        if (!imageUnchanged(bootImage))
            return false;
        QString line;
        return hasOpened(
            family.openForRestore(&opened, state.serialNumber, state.deviceType, bootImage.c_str(), &line), line);
    });
    if (!written)
        return;
    family.finishRestore(handle);
    success = !stoppedAnswering();
}
