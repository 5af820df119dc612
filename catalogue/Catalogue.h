#ifndef CATALOGUE_H
#define CATALOGUE_H

#include "catalogue/FirmwareVersion.h"

#include <QString>
#include <QStringList>

// What this release knows about the four models without asking an instrument.

// "RZ610/RZ870": the instruments this updater is for, as titles name them.
QString productLine();

// What the package installs beside the program, read at run time:
// PREFIX/share/rz-firmware-updater, PREFIX being the folder above the
// program's own. In the build tree PREFIX is the build folder.
QString installedDataFolder();

// The firmware this release carries for a device type; versions 0.0.0 for a
// type outside the catalogue, whose device type field is kept as given.
FirmwareVersion targetVersion(int deviceType);

// The version record of an RZ610T that reports the given firmware number:
// 0.0.0 for a number below 1, which no instrument reports; for a number
// newer than this release knows, that number for both FX3 versions and 0
// for the FPGA's, which is not known.
FirmwareVersion versionFromNetworkFirmware(int firmwareNumber);

// One of the four models this release carries firmware for.
bool isKnownDeviceType(int deviceType);

// The components an instrument of the type holds, as records name them:
// "boot", "run" and "fpga", or "fx3" and "fpga" for the RZ610T; none for a
// type outside the catalogue.
QStringList componentNames(int deviceType);

// "RZ610R", "RZ610S", "RZ610T", "RZ870S", or "Invalid device type".
QString deviceTypeName(int deviceType);

// An instrument as reasons name it: "RZ610R 12345".
QString instrumentName(int deviceType, int serialNumber);

// The device type a model's name stands for; -1 for any other text.
int deviceTypeNamed(const QString& name);

#endif
