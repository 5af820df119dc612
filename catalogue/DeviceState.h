#ifndef DEVICESTATE_H
#define DEVICESTATE_H

#include "catalogue/FirmwareVersion.h"

// How the connected instrument answered the last check.
enum DeviceStatus : int {
    NotDetected = 0,
    NeedsRestore = 1, // only its boot loader answers, its FPGA failed to load, or it was bootstrapped
    Operational = 2,
};

// What the panel knows about the connected instrument; filled by a check and
// copied into the update and restore workers. The device type is the
// catalogue's number, whatever the library reported.
struct DeviceState
{
    DeviceStatus status = NotDetected;
    int serialNumber = 0;
    int deviceType = 0;
    FirmwareVersion currentVersion;
    FirmwareVersion targetVersion;
};

#endif
