#include "workflows/workers/BootstrapThread.h"

#include "catalogue/Catalogue.h"
#include "families/DeviceFamily.h"
#include "families/LibraryThread.h"
#include "workflows/checks/ImageCheck.h"

BootstrapThread::BootstrapThread(int deviceType, const QString& releaseFolder)
    : QThread(nullptr), deviceType(deviceType), releaseFolder(releaseFolder)
{
}

// An image that is not this release's never reaches the library: a wrong
// boot image could leave the instrument answering as another model. The
// library reads the copy that was verified.
void BootstrapThread::run()
{
    const LibraryThread::Listener listener([this](const OperatorText& line) { emit updateText(line); });
    const std::string bootImage = targetVersion(deviceType).bootImagePath();
    ImageCheck check([this](const OperatorText& line) { emit updateText(line); }, releaseFolder);
    if (!check.passes({bootImage}))
        return;
    const VerifiedImages::Inside copies(*check.images());
    bootstrapped = DeviceFamily::of(deviceType).bootstrap(bootImage.c_str(), &serial);
}
