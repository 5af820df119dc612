#include "workflows/UpdateDeviceThread.h"

#include "device/rz_api.h"

UpdateDeviceThread::UpdateDeviceThread() = default;

void UpdateDeviceThread::run()
{
    success = false;
    if (state.deviceType == RZ_DEVICE_RZ610T)
        updateNetDevice();
    else
        updateUSBDevice();
}

// A failed run clear or write is a failure like any other: the instrument's
// run image is not there and it must not be reported as updated.
std::vector<WriteStep> UpdateDeviceThread::usbSteps() const
{
    const FirmwareVersion& current = state.currentVersion;
    const FirmwareVersion& target = state.targetVersion;
    const int serial = state.serialNumber;
    const QString clearFailed = QStringLiteral("Failed Clearing");
    const QString writeFailed = QStringLiteral("Failed Writing");
    return {
        {QStringLiteral("boot"), QStringLiteral("Updating boot Fx3, estimated 10 seconds."),
         QStringLiteral("Skipping boot Fx3, already current version."), current.bootVersion == target.bootVersion,
         target.bootImagePath(), [](int handle, double*) { return rzConfigUSBClearBootSector(handle); },
         [serial](int handle, const char* image, double*) { return rzConfigUSBWriteBootSector(handle, image, serial); },
         clearFailed, writeFailed, false},
        {QStringLiteral("run"), QStringLiteral("Updating run Fx3, estimated 10 seconds."),
         QStringLiteral("Skipping run Fx3, already current version."), current.runVersion == target.runVersion,
         target.runImagePath(), [](int handle, double*) { return rzConfigUSBClearRunSector(handle); },
         [](int handle, const char* image, double*) { return rzConfigUSBWriteRunSector(handle, image, -1); },
         clearFailed, writeFailed, false},
        {QStringLiteral("fpga"), QStringLiteral("Updating FPGA, estimated 6 minutes."),
         QStringLiteral("Skipping FPGA, already current version."), current.fpgaVersion == target.fpgaVersion,
         target.fpgaImagePath(),
         [](int handle, double* progress) { return rzConfigUSBClearFPGAProgram(handle, progress); },
         [](int handle, const char* image, double* progress) {
             return rzConfigUSBWriteFPGAProgram(handle, image, progress);
         },
         clearFailed, writeFailed, true},
    };
}

// The RZ610T's run version equals its boot version, so only boot is compared.
std::vector<WriteStep> UpdateDeviceThread::netSteps() const
{
    const FirmwareVersion& current = state.currentVersion;
    const FirmwareVersion& target = state.targetVersion;
    const int serial = state.serialNumber;
    const QString clearFailed = QStringLiteral("Failed Clearing");
    const QString writeFailed = QStringLiteral("Failed Writing");
    return {
        {QStringLiteral("fx3"), QStringLiteral("Updating FX3, estimated 20 seconds."), QStringLiteral("Skipping FX3, already current version."),
         current.bootVersion == target.bootVersion, target.bootImagePath(),
         [](int handle, double*) { return rzConfigNetClearFx3(handle); },
         [serial](int handle, const char* image, double*) { return rzConfigNetWriteFx3(handle, image, serial); },
         clearFailed, writeFailed, false},
        {QStringLiteral("fpga"), QStringLiteral("Updating FPGA, estimated 10 minutes."),
         QStringLiteral("Skipping FPGA, already current version."), current.fpgaVersion == target.fpgaVersion,
         target.fpgaImagePath(), [](int handle, double*) { return rzConfigNetClearFPGA(handle); },
         [](int handle, const char* image, double*) { return rzConfigNetWriteFGPA(handle, image); }, clearFailed,
         writeFailed, false},
    };
}

void UpdateDeviceThread::updateUSBDevice()
{
    int handle = -1;
    success = writeComponents(usbSteps(), handle, [this](int& opened) {
        if (failed(rzConfigUSBOpenDeviceBySerial(&opened, state.serialNumber), QStringLiteral("Cannot Find Device")))
            return false;
        RzDeviceType type = RzDeviceType(-1);
        const bool answered = rzConfigUSBGetDeviceType(opened, &type) == 0;
        return isCheckedInstrument(answered, state.serialNumber, type);
    });
}

void UpdateDeviceThread::updateNetDevice()
{
    int handle = -1;
    const bool written = writeComponents(netSteps(), handle, [this](int& opened) {
        int count = 0;
        const int listed = firstListedSerial(count);
        if (count >= 1 && !isCheckedInstrument(true, listed))
            return false;
        return !failed(rzConfigNetOpenDevice(&opened, state.serialNumber), QStringLiteral("Cannot Find Device"));
    });
    if (!written)
        return;
    rzConfigNetPreset(handle);
    success = true;
}
