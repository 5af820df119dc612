#include "workflows/RestoreDeviceThread.h"

#include "device/rz_api.h"

RestoreDeviceThread::RestoreDeviceThread() = default;

void RestoreDeviceThread::run()
{
    if (state.deviceType == RZ_DEVICE_RZ610T)
        restoreNetDevice();
    else
        restoreUSBDevice();
}

void RestoreDeviceThread::restoreUSBDevice()
{
    success = false;
    int handle = -1;
    const FirmwareVersion& target = state.targetVersion;
    if (!imagesUsable({target.bootImagePath(), target.runImagePath(), target.fpgaImagePath()}))
        return;
    if (!openUSBDevice(handle))
        return;
    if (!restoreUSBBoot(handle) || !restoreUSBRun(handle) || !restoreUSBFpga(handle))
        return;
    rzConfigUSBCloseDevice(handle);
    success = true;
}

// An instrument that does not even answer in boot mode is bootstrapped first.
bool RestoreDeviceThread::openUSBDevice(int& handle)
{
    if (rzConfigUSBOpenDevice(&handle) == 0)
        return true;
    const std::string bootImage = state.targetVersion.bootImagePath();
    if (rzConfigUSBBootstrapDevice(&handle, bootImage.c_str()) == 0)
        return true;
    notFound(QStringLiteral("Failed to open device."));
    return false;
}

bool RestoreDeviceThread::restoreUSBBoot(int handle)
{
    emit addLine(QStringLiteral("Updating boot Fx3, estimated 10 seconds."));
    const std::string image = state.targetVersion.bootImagePath();
    return !failed(rzConfigUSBClearBootSector(handle), QStringLiteral("Failed clearing boot Fx3 device."))
           && !failed(rzConfigUSBWriteBootSector(handle, image.c_str(), state.serialNumber),
                      QStringLiteral("Failed writing boot Fx3."));
}

// A run image that failed to clear or write is a failed restore.
bool RestoreDeviceThread::restoreUSBRun(int handle)
{
    emit addLine(QStringLiteral("Updating run Fx3 device, estimated 10 seconds."));
    const std::string image = state.targetVersion.runImagePath();
    return !failed(rzConfigUSBClearRunSector(handle), QStringLiteral("Failed clearing run Fx3."))
           && !failed(rzConfigUSBWriteRunSector(handle, image.c_str(), state.serialNumber),
                      QStringLiteral("Failed writing run Fx3."));
}

bool RestoreDeviceThread::restoreUSBFpga(int handle)
{
    emit addLine(QStringLiteral("Updating FPGA, estimated 6 minutes."));
    const std::string image = state.targetVersion.fpgaImagePath();
    double* percent = progress.begin();
    const bool written = !failed(rzConfigUSBClearFPGAProgram(handle, percent), QStringLiteral("Failed clearing FPGA."))
                         && !failed(rzConfigUSBWriteFPGAProgram(handle, image.c_str(), percent),
                                    QStringLiteral("Failed writing FPGA."));
    progress.end();
    return written;
}

void RestoreDeviceThread::restoreNetDevice()
{
    success = false;
    int handle = -1;
    const FirmwareVersion& target = state.targetVersion;
    if (!imagesUsable({target.bootImagePath(), target.fpgaImagePath()}))
        return;
    if (!openNetDevice(handle) || !restoreNetFx3(handle) || !restoreNetFpga(handle))
        return;
    rzConfigNetPreset(handle);
    success = true;
}

// Opens the one listed instrument by the serial the listing gives.
bool RestoreDeviceThread::openNetDevice(int& handle)
{
    int serials[1] = {0};
    int count = 1;
    rzConfigNetGetDeviceList(serials, &count);
    if (count != 1) {
        notFound(QStringLiteral("Unable to find device."));
        return false;
    }
    if (rzConfigNetOpenDevice(&handle, serials[0]) != 0) {
        notFound(QStringLiteral("Failed to open device."));
        return false;
    }
    return true;
}

bool RestoreDeviceThread::restoreNetFx3(int handle)
{
    emit addLine(QStringLiteral("Updating FX3 program, estimated 10 seconds."));
    const std::string image = state.targetVersion.bootImagePath();
    return !failed(rzConfigNetClearFx3(handle), QStringLiteral("Failed clearing boot FX3 device."))
           && !failed(rzConfigNetWriteFx3(handle, image.c_str(), state.serialNumber),
                      QStringLiteral("Failed writing FX3."));
}

bool RestoreDeviceThread::restoreNetFpga(int handle)
{
    emit addLine(QStringLiteral("Updating FPGA, estimated 10 minutes."));
    const std::string image = state.targetVersion.fpgaImagePath();
    return !failed(rzConfigNetClearFPGA(handle), QStringLiteral("Failed clearing FPGA."))
           && !failed(rzConfigNetWriteFGPA(handle, image.c_str()), QStringLiteral("Failed writing FPGA."));
}

void RestoreDeviceThread::notFound(const QString& line)
{
    emit addLine(line);
    QThread::msleep(32);
}
