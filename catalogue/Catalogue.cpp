#include "catalogue/Catalogue.h"

#include "catalogue/OperatorText.h"
#include "catalogue/ModelTable.h"

#include <QCoreApplication>
#include <QDir>

#include <iterator>

namespace {

// FPGA version of an RZ610T by its firmware number 1 to 9.
const int networkFpgaVersions[9] = {1, 1, 1, 2, 3, 4, 5, 6, 7};

} // namespace

QString productLine()
{
    return QStringLiteral("RZ610/RZ870");
}

QString installedDataFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/rz-firmware-updater"));
}

bool isKnownDeviceType(int deviceType)
{
    return ModelTable::find(deviceType) != nullptr;
}

FirmwareVersion targetVersion(int deviceType)
{
    const Model* model = ModelTable::find(deviceType);
    return model ? model->target : FirmwareVersion{deviceType, 0, 0, 0};
}

// A number past the table is firmware newer than this release: its FX3
// versions compare as newer, and its FPGA version, unknown, as 0, so a
// confirmed downgrade rewrites the FPGA too.
FirmwareVersion versionFromNetworkFirmware(int firmwareNumber)
{
    const int type = ModelTable::networkModel()->deviceType;
    if (firmwareNumber > int(std::size(networkFpgaVersions)))
        return FirmwareVersion{type, firmwareNumber, firmwareNumber, 0};
    if (firmwareNumber < 1)
        return FirmwareVersion{type, 0, 0, 0};
    return FirmwareVersion{type, firmwareNumber, firmwareNumber, networkFpgaVersions[firmwareNumber - 1]};
}

QStringList componentNames(int deviceType)
{
    QStringList names;
    if (const Model* model = ModelTable::find(deviceType)) {
        for (const ModelComponent& component : model->components)
            names << component.name;
    }
    return names;
}

QString deviceTypeName(int deviceType)
{
    const Model* model = ModelTable::find(deviceType);
    return model ? model->name : OperatorText::tr("Invalid device type").english();
}

QString instrumentName(int deviceType, int serialNumber)
{
    return deviceTypeName(deviceType) + QLatin1Char(' ') + QString::number(serialNumber);
}

int deviceTypeNamed(const QString& name)
{
    const Model* model = ModelTable::named(name);
    return model ? model->deviceType : -1;
}
