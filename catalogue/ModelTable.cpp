#include "catalogue/ModelTable.h"

#include <cstdio>

namespace {

// The boot image of the network model is its one FX3 image; it has no run
// image, and its run version only mirrors the boot version.
std::vector<Model> makeTable()
{
    const auto boot = &FirmwareVersion::bootVersion;
    const auto run = &FirmwareVersion::runVersion;
    const auto fpga = &FirmwareVersion::fpgaVersion;
    const auto usbComponents = [&](const char* bootImage, const char* runImage, const char* fpgaImage) {
        return std::vector<ModelComponent>{
            {QStringLiteral("boot"), bootImage, boot},
            {QStringLiteral("run"), runImage, run},
            {QStringLiteral("fpga"), fpgaImage, fpga},
        };
    };
    const QString usb3 = QStringLiteral("USB 3.0");
    return {
        {0, QStringLiteral("RZ610R"), Connection::Usb, usb3, {0, 4, 5, 10},
         usbComponents("./firmware/RZ610R-Cypress-Boot-v%d.img", "./firmware/RZ610R-Cypress-Run-v%d.img",
                       "./firmware/RZ610R-FPGA-v%d.rbf")},
        {1, QStringLiteral("RZ610S"), Connection::Usb, usb3, {1, 4, 8, 14},
         usbComponents("./firmware/RZ610S-Cypress-Boot-v%d.img", "./firmware/RZ610S-Cypress-Run-v%d.img",
                       "./firmware/RZ610S-FPGA-v%d.rbf")},
        {2, QStringLiteral("RZ610T"), Connection::Network, QStringLiteral("USB 2.0"), {2, 9, 9, 7},
         {{QStringLiteral("fx3"), "./firmware/RZ610T-Cypress-v%d.img", boot},
          {QStringLiteral("fpga"), "./firmware/RZ610T-FPGA-v%d.rbf", fpga}}},
        {3, QStringLiteral("RZ870S"), Connection::Usb, usb3, {3, 2, 4, 4},
         usbComponents("./firmware/RZ870S-Cypress-Boot-v%d.img", "./firmware/RZ870S-Cypress-Run-v%d.img",
                       "./firmware/RZ870S-FPGA-v%d.rbf")},
    };
}

} // namespace

std::string ModelComponent::imagePath(const FirmwareVersion& record) const
{
    char buffer[256] = {};
    std::snprintf(buffer, sizeof buffer, imagePattern, record.*version);
    return std::string(buffer);
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
