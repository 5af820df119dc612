#ifndef CATALOGUE_H
#define CATALOGUE_H

#include "catalogue/FirmwareVersion.h"

#include <QString>

// What this release knows about the four models without asking an instrument.

// The folder every image path of this release points into, relative to
// the working folder: "./firmware".
QString firmwareFolder();

// The firmware this release carries for a device type; versions 0.0.0 for a
// type outside the catalogue, whose device type field is kept as given.
FirmwareVersion targetVersion(int deviceType);

// The version record of an RZ610T that reports the given firmware number.
FirmwareVersion versionFromNetworkFirmware(int firmwareNumber);

// One of the four models this release carries firmware for.
bool isKnownDeviceType(int deviceType);

// "RZ610R", "RZ610S", "RZ610T", "RZ870S", or "Invalid device type".
QString deviceTypeName(int deviceType);

#endif
