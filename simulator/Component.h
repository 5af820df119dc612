#ifndef COMPONENT_H
#define COMPONENT_H

#include "catalogue/FirmwareVersion.h"

#include <QString>

// The firmware components of an instrument. The FX3 firmware of an RZ610T
// plays the part of the boot component; an RZ610T has no run component.
enum class Component { Boot = 0, Run = 1, Fpga = 2 };

constexpr int componentCount = 3;

struct ModelComponent;

bool isNetworkModel(int model);
bool isKnownModel(int model);
bool modelHasComponent(int model, Component component);
// The catalogue's component of the model, whose image and version this
// component stands for; null where the model has none.
const ModelComponent* modelComponent(int model, Component component);

// "boot", "run", "fpga", or "fx3" for the boot component of an RZ610T.
QString componentName(int model, Component component);

// Accepts the names above (case-insensitive) for the given model, and "boot"
// for the FX3 of an RZ610T.
bool componentFromName(int model, const QString& name, Component* component);

// The component's field of a version record, and its value.
int FirmwareVersion::*versionField(Component component);
int versionOf(const FirmwareVersion& version, Component component);

// "RZ610R" or a device type number; -1 when unknown.
int modelFromName(const QString& name);

#endif
