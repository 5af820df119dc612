// The device library's network configuration family: instruments found
// through its listing and opened by the serial number it gives, with one FX3
// image and an FPGA configuration, and a preset once written.

#include "families/DeviceFamily.h"

#include "device/rz_api.h"

namespace {

using Opened = DeviceFamily::Opened;

// The first serial number the listing gives; `count`, how many it found.
int firstListedSerial(int* count)
{
    int serials[1] = {0};
    *count = 1;
    rzConfigNetGetDeviceList(serials, count);
    return serials[0];
}

// The listing names the instrument that answers; it must be the checked one.
Opened openListed(int* handle, int serial, int, QString* line)
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
Opened openTheOnlyListed(int* handle, int serial, int, const char*, QString* line)
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

// The instrument takes up its new firmware only once preset: a failed
// preset is a failed write.
int preset(int handle)
{
    return int(rzConfigNetPreset(handle));
}

} // namespace

const DeviceFamily& DeviceFamily::network()
{
    using C = ComponentCalls;
    static const DeviceFamily family(
        {openListed, openTheOnlyListed, preset, preset,
         [](int* handle, const char* image) { return int(rzConfigNetBootstrapDevice(handle, image)); },
         [](int handle, int* serial) { return int(rzConfigNetGetSerialFromFlash(handle, serial)); },
         [](int handle) { return int(rzConfigNetCloseDevice(handle)); }},
        {{"fx3", C::clearing<rzConfigNetClearFx3>, C::writing<rzConfigNetWriteFx3>, false, true, "FX3", "20 seconds",
          "Updating FX3 program, estimated 10 seconds.", "Failed clearing boot FX3 device."},
         {"fpga", C::clearing<rzConfigNetClearFPGA>, C::writing<rzConfigNetWriteFGPA>, false, true, "FPGA",
          "10 minutes", "Updating FPGA, estimated 10 minutes.", "Failed clearing FPGA."}});
    return family;
}
