#include "catalogue/ModelTable.h"


namespace {

// The boot image of the network model is its one FX3 image; it has no run
// image, and its run version only mirrors the boot version.
std::vector<Model> makeTable()
{
    const auto boot = &FirmwareVersion::bootVersion;
    const auto run = &FirmwareVersion::runVersion;
    const auto fpga = &FirmwareVersion::fpgaVersion;
    // A model of the USB family: boot, run and FPGA images named after it.
    const auto usbModel = [&](int type, const char* name, int bootVersion, int runVersion, int fpgaVersion) {
        const QString model = QString::fromLatin1(name);
        return Model{type, model, Connection::Usb, QStringLiteral("USB 3.0"),
                     FirmwareVersion{type, bootVersion, runVersion, fpgaVersion},
                     {{QStringLiteral("boot"), model + QStringLiteral("-Cypress-Boot-v%1.img"), boot},
                      {QStringLiteral("run"), model + QStringLiteral("-Cypress-Run-v%1.img"), run},
                      {QStringLiteral("fpga"), model + QStringLiteral("-FPGA-v%1.rbf"), fpga}}};
    };
    return {
        usbModel(0, "RZ610R", 4, 5, 10),
        usbModel(1, "RZ610S", 4, 8, 14),
        {2, QStringLiteral("RZ610T"), Connection::Network, QStringLiteral("USB 2.0"), {2, 9, 9, 7},
         {{QStringLiteral("fx3"), QStringLiteral("RZ610T-Cypress-v%1.img"), boot},
          {QStringLiteral("fpga"), QStringLiteral("RZ610T-FPGA-v%1.rbf"), fpga}}},
        usbModel(3, "RZ870S", 2, 4, 4),
    };
}

} // namespace

std::string ModelComponent::imagePath(const FirmwareVersion& record) const
{
    return (ModelTable::firmwareFolder() + QLatin1Char('/') + imageName.arg(record.*version)).toStdString();
}

const std::vector<Model>& ModelTable::models()
{
    static const std::vector<Model> table = makeTable();
    return table;
}

const Model* ModelTable::find(int deviceType)
{
    for (const Model& model : models()) {
        if (model.deviceType == deviceType)
            return &model;
    }
    return nullptr;
}

const Model* ModelTable::named(const QString& name)
{
    for (const Model& model : models()) {
        if (model.name == name)
            return &model;
    }
    return nullptr;
}

const Model* ModelTable::networkModel()
{
    for (const Model& model : models()) {
        if (model.connection == Connection::Network)
            return &model;
    }
    return nullptr;
}

QString ModelTable::names(const QString& separator)
{
    QStringList names;
    for (const Model& model : models())
        names << model.name;
    return names.join(separator);
}

QString ModelTable::firmwareFolder()
{
    return QStringLiteral("./firmware");
}
