#include "families/NetworkFamily.h"

#include "device/rz_api.h"

NetworkFamily::NetworkFamily()
    : DeviceFamily({
        {QStringLiteral("fx3"), [](int handle, double*) { return int(rzConfigNetClearFx3(handle)); },
         [](int handle, const char* image, int serial, double*) { return int(rzConfigNetWriteFx3(handle, image, serial)); },
         false, true, QStringLiteral("Updating FX3, estimated 20 seconds."),
         QStringLiteral("Skipping FX3, already current version."), QStringLiteral("Updating FX3 program, estimated 10 seconds."),
         QStringLiteral("Failed clearing boot FX3 device."), QStringLiteral("Failed writing FX3.")},
        {QStringLiteral("fpga"), [](int handle, double*) { return int(rzConfigNetClearFPGA(handle)); },
         [](int handle, const char* image, int, double*) { return int(rzConfigNetWriteFGPA(handle, image)); }, false,
         true, QStringLiteral("Updating FPGA, estimated 10 minutes."),
         QStringLiteral("Skipping FPGA, already current version."), QStringLiteral("Updating FPGA, estimated 10 minutes."),
         QStringLiteral("Failed clearing FPGA."), QStringLiteral("Failed writing FPGA.")},
      },
      {[](int* handle, const char* image) { return int(rzConfigNetBootstrapDevice(handle, image)); },
       [](int handle, int* serial) { return int(rzConfigNetGetSerialFromFlash(handle, serial)); },
       [](int handle) { return int(rzConfigNetCloseDevice(handle)); }})
{
}

int NetworkFamily::firstListedSerial(int* count)
{
    int serials[1] = {0};
    *count = 1;
    rzConfigNetGetDeviceList(serials, count);
    return serials[0];
}

// The listing names the instrument that answers; it must be the checked one.
DeviceFamily::Opened NetworkFamily::openForUpdate(int* handle, int serial, int, QString* line) const
{
    int count = 0;
    const int listed = firstListedSerial(&count);
    if (count >= 1 && listed != serial)
        return Opened::NotChecked;
    if (rzConfigNetOpenDevice(handle, serial) != 0) {
        *line = QStringLiteral("Cannot Find Device");
        return Opened::Failed;
    }
    return Opened::Yes;
}

// A restore needs exactly one listed instrument, opened by its listed serial.
DeviceFamily::Opened NetworkFamily::openForRestore(int* handle, int serial, int, const char*, QString* line) const
{
    int count = 0;
    const int listed = firstListedSerial(&count);
    if (count != 1) {
        *line = QStringLiteral("Unable to find device.");
        return Opened::Failed;
    }
    if (listed != serial)
        return Opened::NotChecked;
    if (rzConfigNetOpenDevice(handle, listed) != 0) {
        *line = QStringLiteral("Failed to open device.");
        return Opened::Failed;
    }
    return Opened::Yes;
}

void NetworkFamily::finishUpdate(int handle) const
{
    rzConfigNetPreset(handle);
}

void NetworkFamily::finishRestore(int handle) const
{
    rzConfigNetPreset(handle);
}
