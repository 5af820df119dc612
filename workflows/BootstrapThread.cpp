#include "workflows/BootstrapThread.h"

#include "catalogue/Catalogue.h"
#include "device/rz_api.h"
#include "workflows/ImageCheck.h"

BootstrapThread::BootstrapThread(int deviceType)
    : QThread(nullptr), deviceType(deviceType)
{
}

// An image that is not this release's never reaches the library: a wrong
// boot image could leave the instrument answering as another model.
void BootstrapThread::run()
{
    const std::string bootImage = targetVersion(deviceType).bootImagePath();
    if (!ImageCheck([this](const QString& line) { emit addLine(line); }).passes({bootImage}))
        return;
    if (deviceType == RZ_DEVICE_RZ610T)
        bootstrapNetDevice(bootImage.c_str());
    else
        bootstrapUSBDevice(bootImage.c_str());
}

void BootstrapThread::bootstrapNetDevice(const char* bootImage)
{
    int handle = -1;
    bootstrapped = rzConfigNetBootstrapDevice(&handle, bootImage) == 0
                   && rzConfigNetGetSerialFromFlash(handle, &serial) == 0;
    rzConfigNetCloseDevice(handle);
}

void BootstrapThread::bootstrapUSBDevice(const char* bootImage)
{
    int handle = -1;
    bootstrapped = rzConfigUSBBootstrapDevice(&handle, bootImage) == 0
                   && rzConfigUSBGetSerialFromFlash(handle, &serial) == 0;
    rzConfigUSBCloseDevice(handle);
}
