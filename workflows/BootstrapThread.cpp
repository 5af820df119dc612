#include "workflows/BootstrapThread.h"

#include "catalogue/Catalogue.h"
#include "families/DeviceFamily.h"
#include "families/LibraryThread.h"
#include "workflows/ImageCheck.h"

BootstrapThread::BootstrapThread(int deviceType)
    : QThread(nullptr), deviceType(deviceType)
{
}

// An image that is not this release's never reaches the library: a wrong
// boot image could leave the instrument answering as another model.
void BootstrapThread::run()
{
    const LibraryThread::Listener listener([this](const QString& line) { emit addLine(line); });
    const std::string bootImage = targetVersion(deviceType).bootImagePath();
    if (!ImageCheck([this](const QString& line) { emit addLine(line); }).passes({bootImage}))
        return;
    bootstrapped = DeviceFamily::of(deviceType).bootstrap(bootImage.c_str(), &serial);
}
