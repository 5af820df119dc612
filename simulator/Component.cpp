#include "simulator/Component.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ModelTable.h"

bool isNetworkModel(int model)
{
    const Model* found = ModelTable::find(model);
    return found && found->connection == Connection::Network;
}

bool isKnownModel(int model)
{
    return isKnownDeviceType(model);
}

int FirmwareVersion::*versionField(Component component)
{
    switch (component) {
    case Component::Boot:
        return &FirmwareVersion::bootVersion;
    case Component::Run:
        return &FirmwareVersion::runVersion;
    case Component::Fpga:
        break;
    }
    return &FirmwareVersion::fpgaVersion;
}

// The catalogue's component of the model that this component stands for.
const ModelComponent* modelComponent(int model, Component component)
{
    const Model* found = ModelTable::find(model);
    if (!found)
        return nullptr;
    for (const ModelComponent& part : found->components) {
        if (part.version == versionField(component))
            return &part;
    }
    return nullptr;
}

bool modelHasComponent(int model, Component component)
{
    return modelComponent(model, component) != nullptr;
}

QString componentName(int model, Component component)
{
    static const char* const plainNames[componentCount] = {"boot", "run", "fpga"};
    const ModelComponent* part = modelComponent(model, component);
    return part ? part->name : QString::fromLatin1(plainNames[int(component)]);
}

bool componentFromName(int model, const QString& name, Component* component)
{
    // The FX3 firmware is the boot component of an RZ610T.
    if (isNetworkModel(model) && name.compare(QLatin1String("boot"), Qt::CaseInsensitive) == 0) {
        *component = Component::Boot;
        return true;
    }
    for (int index = 0; index < componentCount; ++index) {
        const auto candidate = static_cast<Component>(index);
        if (modelHasComponent(model, candidate)
            && name.compare(componentName(model, candidate), Qt::CaseInsensitive) == 0) {
            *component = candidate;
            return true;
        }
    }
    return false;
}

int modelFromName(const QString& name)
{
    for (const Model& model : ModelTable::models()) {
        if (name.compare(model.name, Qt::CaseInsensitive) == 0)
            return model.deviceType;
    }
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    return isNumber && isKnownModel(number) ? number : -1;
}

int versionOf(const FirmwareVersion& version, Component component)
{
    return version.*versionField(component);
}
