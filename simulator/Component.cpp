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
    return ModelTable::find(model) != nullptr;
}

bool modelHasComponent(int model, Component component)
{
    return isKnownModel(model) && !(isNetworkModel(model) && component == Component::Run);
}

QString componentName(int model, Component component)
{
    switch (component) {
    case Component::Boot:
        return isNetworkModel(model) ? QStringLiteral("fx3") : QStringLiteral("boot");
    case Component::Run:
        return QStringLiteral("run");
    case Component::Fpga:
        return QStringLiteral("fpga");
    }
    return QString();
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
    switch (component) {
    case Component::Boot:
        return version.bootVersion;
    case Component::Run:
        return version.runVersion;
    case Component::Fpga:
        return version.fpgaVersion;
    }
    return 0;
}
