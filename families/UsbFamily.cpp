#include "families/UsbFamily.h"

#include "device/rz_api.h"

// The update passes no serial number with the run image: only the boot
// image carries it.
UsbFamily::UsbFamily()
    : DeviceFamily({
        {QStringLiteral("boot"), [](int handle, double*) { return int(rzConfigUSBClearBootSector(handle)); },
         [](int handle, const char* image, int serial, double*) {
             return int(rzConfigUSBWriteBootSector(handle, image, serial));
         },
         false, true, QStringLiteral("Updating boot Fx3, estimated 10 seconds."),
         QStringLiteral("Skipping boot Fx3, already current version."),
         QStringLiteral("Updating boot Fx3, estimated 10 seconds."), QStringLiteral("Failed clearing boot Fx3 device."),
         QStringLiteral("Failed writing boot Fx3.")},
        {QStringLiteral("run"), [](int handle, double*) { return int(rzConfigUSBClearRunSector(handle)); },
         [](int handle, const char* image, int serial, double*) {
             return int(rzConfigUSBWriteRunSector(handle, image, serial));
         },
         false, false, QStringLiteral("Updating run Fx3, estimated 10 seconds."),
         QStringLiteral("Skipping run Fx3, already current version."),
         QStringLiteral("Updating run Fx3 device, estimated 10 seconds."), QStringLiteral("Failed clearing run Fx3."),
         QStringLiteral("Failed writing run Fx3.")},
        {QStringLiteral("fpga"),
         [](int handle, double* progress) { return int(rzConfigUSBClearFPGAProgram(handle, progress)); },
         [](int handle, const char* image, int, double* progress) {
             return int(rzConfigUSBWriteFPGAProgram(handle, image, progress));
         },
         true, true, QStringLiteral("Updating FPGA, estimated 6 minutes."),
         QStringLiteral("Skipping FPGA, already current version."), QStringLiteral("Updating FPGA, estimated 6 minutes."),
         QStringLiteral("Failed clearing FPGA."), QStringLiteral("Failed writing FPGA.")},
      },
      {[](int* handle, const char* image) { return int(rzConfigUSBBootstrapDevice(handle, image)); },
       [](int handle, int* serial) { return int(rzConfigUSBGetSerialFromFlash(handle, serial)); },
       [](int handle) { return int(rzConfigUSBCloseDevice(handle)); }})
{
}

DeviceFamily::Opened UsbFamily::openForUpdate(int* handle, int serial, int type, QString* line) const
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
DeviceFamily::Opened UsbFamily::openForRestore(int* handle, int serial, int type, const char* bootImage,
                                               QString* line) const
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

void UsbFamily::finishUpdate(int) const
{
}

void UsbFamily::finishRestore(int handle) const
{
    rzConfigUSBCloseDevice(handle);
}
