#include "workflows/UpdateDeviceThread.h"

#include "device/rz_api.h"

UpdateDeviceThread::UpdateDeviceThread() = default;

void UpdateDeviceThread::run()
{
    if (state.deviceType == RZ_DEVICE_RZ610T)
        updateNetDevice();
    else
        updateUSBDevice();
}

std::vector<std::string> UpdateDeviceThread::usbImagesToWrite() const
{
    const FirmwareVersion& current = state.currentVersion;
    const FirmwareVersion& target = state.targetVersion;
    std::vector<std::string> images;
    if (current.bootVersion != target.bootVersion)
        images.push_back(target.bootImagePath());
    if (current.runVersion != target.runVersion)
        images.push_back(target.runImagePath());
    if (current.fpgaVersion != target.fpgaVersion)
        images.push_back(target.fpgaImagePath());
    return images;
}

std::vector<std::string> UpdateDeviceThread::netImagesToWrite() const
{
    const FirmwareVersion& current = state.currentVersion;
    const FirmwareVersion& target = state.targetVersion;
    std::vector<std::string> images;
    if (current.bootVersion != target.bootVersion)
        images.push_back(target.bootImagePath());
    if (current.fpgaVersion != target.fpgaVersion)
        images.push_back(target.fpgaImagePath());
    return images;
}

void UpdateDeviceThread::updateUSBDevice()
{
    success = false;
    int handle = -1;
    if (!imagesUsable(usbImagesToWrite()))
        return;
    if (failed(rzConfigUSBOpenDeviceBySerial(&handle, state.serialNumber), QStringLiteral("Cannot Find Device")))
        return;
    success = updateUSBBoot(handle) && updateUSBRun(handle) && updateUSBFpga(handle);
}

bool UpdateDeviceThread::updateUSBBoot(int handle)
{
    if (state.currentVersion.bootVersion == state.targetVersion.bootVersion) {
        skip(QStringLiteral("Skipping boot Fx3, already current version."));
        return true;
    }
    emit addLine(QStringLiteral("Updating boot Fx3, estimated 10 seconds."));
    const std::string image = state.targetVersion.bootImagePath();
    return !failed(rzConfigUSBClearBootSector(handle), QStringLiteral("Failed Clearing"))
           && !failed(rzConfigUSBWriteBootSector(handle, image.c_str(), state.serialNumber),
                      QStringLiteral("Failed Writing"));
}

// A failed run clear or write is a failure like any other: the instrument's
// run image is not there and it must not be reported as updated.
bool UpdateDeviceThread::updateUSBRun(int handle)
{
    if (state.currentVersion.runVersion == state.targetVersion.runVersion) {
        skip(QStringLiteral("Skipping run Fx3, already current version."));
        return true;
    }
    emit addLine(QStringLiteral("Updating run Fx3, estimated 10 seconds."));
    const std::string image = state.targetVersion.runImagePath();
    return !failed(rzConfigUSBClearRunSector(handle), QStringLiteral("Failed Clearing"))
           && !failed(rzConfigUSBWriteRunSector(handle, image.c_str(), -1), QStringLiteral("Failed Writing"));
}

bool UpdateDeviceThread::updateUSBFpga(int handle)
{
    if (state.currentVersion.fpgaVersion == state.targetVersion.fpgaVersion) {
        skip(QStringLiteral("Skipping FPGA, already current version."));
        return true;
    }
    emit addLine(QStringLiteral("Updating FPGA, estimated 6 minutes."));
    const std::string image = state.targetVersion.fpgaImagePath();
    double* percent = progress.begin();
    const bool written = !failed(rzConfigUSBClearFPGAProgram(handle, percent), QStringLiteral("Failed Clearing"))
                         && !failed(rzConfigUSBWriteFPGAProgram(handle, image.c_str(), percent),
                                    QStringLiteral("Failed Writing"));
    progress.end();
    return written;
}

void UpdateDeviceThread::updateNetDevice()
{
    success = false;
    int handle = -1;
    if (!imagesUsable(netImagesToWrite()))
        return;
    if (failed(rzConfigNetOpenDevice(&handle, state.serialNumber), QStringLiteral("Cannot Find Device")))
        return;
    if (!updateNetFx3(handle) || !updateNetFpga(handle))
        return;
    rzConfigNetPreset(handle);
    success = true;
}

// The RZ610T's run version equals its boot version, so only boot is compared.
bool UpdateDeviceThread::updateNetFx3(int handle)
{
    if (state.currentVersion.bootVersion == state.targetVersion.bootVersion) {
        skip(QStringLiteral("Skipping FX3, already current version."));
        return true;
    }
    emit addLine(QStringLiteral("Updating FX3, estimated 20 seconds."));
    const std::string image = state.targetVersion.bootImagePath();
    return !failed(rzConfigNetClearFx3(handle), QStringLiteral("Failed Clearing"))
           && !failed(rzConfigNetWriteFx3(handle, image.c_str(), state.serialNumber),
                      QStringLiteral("Failed Writing"));
}

bool UpdateDeviceThread::updateNetFpga(int handle)
{
    if (state.currentVersion.fpgaVersion == state.targetVersion.fpgaVersion) {
        skip(QStringLiteral("Skipping FPGA, already current version."));
        return true;
    }
    emit addLine(QStringLiteral("Updating FPGA, estimated 10 minutes."));
    const std::string image = state.targetVersion.fpgaImagePath();
    return !failed(rzConfigNetClearFPGA(handle), QStringLiteral("Failed Clearing"))
           && !failed(rzConfigNetWriteFGPA(handle, image.c_str()), QStringLiteral("Failed Writing"));
}

void UpdateDeviceThread::skip(const QString& line)
{
    emit addLine(line);
    QThread::msleep(32);
}
