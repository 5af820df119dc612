// The device library's USB configuration family: instruments opened by
// serial number or as the one waiting in its boot loader, with a boot image,
// a run image and an FPGA configuration.

#include "families/DeviceFamily.h"

#include "device/rz_api.h"

namespace {

using Opened = DeviceFamily::Opened;

Opened openBySerial(int* handle, int serial, int type, QString* line)
{
    if (rzConfigUSBOpenDeviceBySerial(handle, serial) != 0) {
        *line = QStringLiteral("Cannot Find Device");
        return Opened::Failed;
    }
    RzDeviceType found = RzDeviceType(-1);
    const bool answered = rzConfigUSBGetDeviceType(*handle, &found) == 0;
    return answered && found == type ? Opened::Yes : Opened::NotChecked;
}

// Bootstrapped, the instrument is known by the serial number in its flash
// alone; its type is the one the operator named.
Opened openInBootLoader(int* handle, int serial, int type, const char* bootImage, QString* line)
{
    int foundSerial = 0;
    if (rzConfigUSBOpenDevice(handle) == 0) {
        RzDeviceType foundType = RzDeviceType(-1);
        const bool answered = rzConfigUSBGetDeviceSerial(*handle, &foundSerial) == 0
                              && rzConfigUSBGetDeviceType(*handle, &foundType) == 0;
        return answered && foundSerial == serial && foundType == type ? Opened::Yes : Opened::NotChecked;
    }
    if (rzConfigUSBBootstrapDevice(handle, bootImage) == 0) {
        const bool answered = rzConfigUSBGetSerialFromFlash(*handle, &foundSerial) == 0;
        return answered && foundSerial == serial ? Opened::Yes : Opened::NotChecked;
    }
    *line = QStringLiteral("Failed to open device.");
    return Opened::Failed;
}

} // namespace

// An update leaves the instrument open; a restore closes it. The update
// passes no serial number with the run image: only the boot image carries it.
const DeviceFamily& DeviceFamily::usb()
{
    using C = ComponentCalls;
    static const DeviceFamily family(
        {openBySerial, openInBootLoader, [](int) { return 0; },
         [](int handle) {
             rzConfigUSBCloseDevice(handle);
             return 0;
         },
         [](int* handle, const char* image) { return int(rzConfigUSBBootstrapDevice(handle, image)); },
         [](int handle, int* serial) { return int(rzConfigUSBGetSerialFromFlash(handle, serial)); },
         [](int handle) { return int(rzConfigUSBCloseDevice(handle)); }},
        {{"boot", C::clearing<rzConfigUSBClearBootSector>, C::writing<rzConfigUSBWriteBootSector>, false, true,
          "boot Fx3", "10 seconds", "Updating boot Fx3, estimated 10 seconds.", "Failed clearing boot Fx3 device."},
         {"run", C::clearing<rzConfigUSBClearRunSector>, C::writing<rzConfigUSBWriteRunSector>, false, false,
          "run Fx3", "10 seconds", "Updating run Fx3 device, estimated 10 seconds.", "Failed clearing run Fx3."},
         {"fpga", C::clearing<rzConfigUSBClearFPGAProgram>, C::writing<rzConfigUSBWriteFPGAProgram>, true, true,
          "FPGA", "6 minutes", "Updating FPGA, estimated 6 minutes.", "Failed clearing FPGA."}});
    return family;
}
