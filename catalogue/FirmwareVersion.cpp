#include "catalogue/FirmwareVersion.h"

#include "catalogue/ModelTable.h"

namespace {

// The image of the model's component named by the version field, filled
// with that field's value; empty where the model has none.
std::string imagePath(const FirmwareVersion& record, int FirmwareVersion::*field)
{
    const Model* model = ModelTable::find(record.deviceType);
    if (!model)
        return std::string();
    for (const ModelComponent& component : model->components) {
        if (component.version == field)
            return component.imagePath(record);
    }
    return std::string();
}

} // namespace

QString FirmwareVersion::versionString() const
{
    return QString::asprintf("%d.%d.%d", bootVersion, runVersion, fpgaVersion);
}

std::string FirmwareVersion::bootImagePath() const
{
    return imagePath(*this, &FirmwareVersion::bootVersion);
}

std::string FirmwareVersion::runImagePath() const
{
    return imagePath(*this, &FirmwareVersion::runVersion);
}

std::string FirmwareVersion::fpgaImagePath() const
{
    return imagePath(*this, &FirmwareVersion::fpgaVersion);
}

bool FirmwareVersion::operator==(const FirmwareVersion& other) const
{
    return deviceType == other.deviceType && bootVersion == other.bootVersion
           && runVersion == other.runVersion && fpgaVersion == other.fpgaVersion;
}
