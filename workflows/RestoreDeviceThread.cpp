#include "workflows/RestoreDeviceThread.h"

#include "device/rz_api.h"

RestoreDeviceThread::RestoreDeviceThread() = default;

void RestoreDeviceThread::run()
{
    success = false;
    if (state.deviceType == RZ_DEVICE_RZ610T)
        restoreNetDevice();
    else
        restoreUSBDevice();
}

// A run image that failed to clear or write is a failed restore.
std::vector<WriteStep> RestoreDeviceThread::usbSteps() const
{
    const FirmwareVersion& target = state.targetVersion;
    const int serial = state.serialNumber;
    return {
        {QStringLiteral("boot"), QStringLiteral("Updating boot Fx3, estimated 10 seconds."), QString(), false, target.bootImagePath(),
         [](int handle, double*) { return rzConfigUSBClearBootSector(handle); },
         [serial](int handle, const char* image, double*) { return rzConfigUSBWriteBootSector(handle, image, serial); },
         QStringLiteral("Failed clearing boot Fx3 device."), QStringLiteral("Failed writing boot Fx3."), false},
        {QStringLiteral("run"), QStringLiteral("Updating run Fx3 device, estimated 10 seconds."), QString(), false, target.runImagePath(),
         [](int handle, double*) { return rzConfigUSBClearRunSector(handle); },
         [serial](int handle, const char* image, double*) { return rzConfigUSBWriteRunSector(handle, image, serial); },
         QStringLiteral("Failed clearing run Fx3."), QStringLiteral("Failed writing run Fx3."), false},
        {QStringLiteral("fpga"), QStringLiteral("Updating FPGA, estimated 6 minutes."), QString(), false, target.fpgaImagePath(),
         [](int handle, double* progress) { return rzConfigUSBClearFPGAProgram(handle, progress); },
         [](int handle, const char* image, double* progress) {
             return rzConfigUSBWriteFPGAProgram(handle, image, progress);
         },
         QStringLiteral("Failed clearing FPGA."), QStringLiteral("Failed writing FPGA."), true},
    };
}

std::vector<WriteStep> RestoreDeviceThread::netSteps() const
{
    const FirmwareVersion& target = state.targetVersion;
    const int serial = state.serialNumber;
    return {
        {QStringLiteral("fx3"), QStringLiteral("Updating FX3 program, estimated 10 seconds."), QString(), false, target.bootImagePath(),
         [](int handle, double*) { return rzConfigNetClearFx3(handle); },
         [serial](int handle, const char* image, double*) { return rzConfigNetWriteFx3(handle, image, serial); },
         QStringLiteral("Failed clearing boot FX3 device."), QStringLiteral("Failed writing FX3."), false},
        {QStringLiteral("fpga"), QStringLiteral("Updating FPGA, estimated 10 minutes."), QString(), false, target.fpgaImagePath(),
         [](int handle, double*) { return rzConfigNetClearFPGA(handle); },
         [](int handle, const char* image, double*) { return rzConfigNetWriteFGPA(handle, image); },
         QStringLiteral("Failed clearing FPGA."), QStringLiteral("Failed writing FPGA."), false},
    };
}

void RestoreDeviceThread::restoreUSBDevice()
{
    int handle = -1;
    if (!writeComponents(usbSteps(), handle, [this](int& opened) { return openUSBDevice(opened); }))
        return;
    rzConfigUSBCloseDevice(handle);
    success = true;
}

// An instrument that does not even answer in boot mode is bootstrapped
// first; it is then known by the serial number in its flash alone, its type
// being the one the operator named.
bool RestoreDeviceThread::openUSBDevice(int& handle)
{
    if (rzConfigUSBOpenDevice(&handle) == 0) {
        int serial = 0;
        RzDeviceType type = RzDeviceType(-1);
        const bool answered = rzConfigUSBGetDeviceSerial(handle, &serial) == 0
                              && rzConfigUSBGetDeviceType(handle, &type) == 0;
        return isCheckedInstrument(answered, serial, type);
    }
    const std::string bootImage = state.targetVersion.bootImagePath();
    if (rzConfigUSBBootstrapDevice(&handle, bootImage.c_str()) == 0) {
        int serial = 0;
        const bool answered = rzConfigUSBGetSerialFromFlash(handle, &serial) == 0;
        return isCheckedInstrument(answered, serial);
    }
    emitAndPause(QStringLiteral("Failed to open device."));
    return false;
}

void RestoreDeviceThread::restoreNetDevice()
{
    int handle = -1;
    if (!writeComponents(netSteps(), handle, [this](int& opened) { return openNetDevice(opened); }))
        return;
    rzConfigNetPreset(handle);
    success = true;
}

// Opens the one listed instrument by the serial the listing gives, once it
// is the checked one.
bool RestoreDeviceThread::openNetDevice(int& handle)
{
    int count = 0;
    const int listed = firstListedSerial(count);
    if (count != 1) {
        emitAndPause(QStringLiteral("Unable to find device."));
        return false;
    }
    if (!isCheckedInstrument(true, listed))
        return false;
    if (rzConfigNetOpenDevice(&handle, listed) != 0) {
        emitAndPause(QStringLiteral("Failed to open device."));
        return false;
    }
    return true;
}
