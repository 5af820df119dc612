#include "workflows/CheckVersionThread.h"

#include "catalogue/Catalogue.h"
#include "device/rz_api.h"

CheckVersionThread::CheckVersionThread()
    : QThread(nullptr)
{
}

CheckVersionThread::~CheckVersionThread() = default;

void CheckVersionThread::run()
{
    int handle = -1;
    int serials[1] = {0};
    int count = 1;
    rzConfigNetGetDeviceList(serials, &count);
    if (count >= 1 && rzConfigNetOpenDevice(&handle, serials[0]) == 0) {
        readNetworkInstrument(handle, serials[0]);
        return;
    }
    if (rzOpenDevice(&handle) == 0) {
        readOperationalInstrument(handle);
        return;
    }
    emit updateText(QStringLiteral("Failed to open RZ."));
    emit updateText(QStringLiteral("Looking for RZ boot device..."));
    readBootDevice(handle);
}

// Both answers are tested as the USB queries are: an FPGA that did not load,
// or firmware from an unread number, must never look current.
void CheckVersionThread::readNetworkInstrument(int handle, int listedSerial)
{
    int firmwareNumber = 0;
    int fpgaState = 0;
    const bool answered = rzConfigNetGetFirmwareVersion(handle, &firmwareNumber) == 0 && firmwareNumber > 0
                          && rzConfigNetGetFPGAStatus(handle, &fpgaState) == 0;
    rzConfigNetCloseDevice(handle);
    if (!answered) {
        emit updateText(QStringLiteral("Failed to retrieve firmware versions."));
        found.status = NotDetected;
        return;
    }
    if (fpgaState == RZ_FPGA_FAILED_TO_LOAD) {
        emit updateText(QStringLiteral("FPGA failed to load."));
        found.status = NeedsRestore;
    } else {
        found.status = Operational;
    }
    found.currentVersion = versionFromNetworkFirmware(firmwareNumber);
    found.deviceType = RzDeviceType(found.currentVersion.deviceType);
    found.targetVersion = targetVersion(found.deviceType);
    found.serialNumber = listedSerial;
}

void CheckVersionThread::readOperationalInstrument(int handle)
{
    FirmwareVersion& current = found.currentVersion;
    if (rzGetFirmwareVersion(handle, &current.bootVersion, &current.runVersion, &current.fpgaVersion) != 0) {
        rzCloseDevice(handle);
        emit updateText(QStringLiteral("Failed to retrieve firmware versions."));
        found.status = NotDetected;
        return;
    }
    if (rzGetDeviceInfo(handle, &found.deviceType, &found.serialNumber) != 0) {
        rzCloseDevice(handle);
        emit updateText(QStringLiteral("Failed to retrieve serial number."));
        found.status = NotDetected;
        return;
    }
    rzCloseDevice(handle);
    found.status = Operational;
    found.targetVersion = targetVersion(found.deviceType);
}

void CheckVersionThread::readBootDevice(int& handle)
{
    if (rzConfigUSBOpenDevice(&handle) != 0) {
        emit updateText(QStringLiteral("Failed to open RZ boot device."));
        found.status = NotDetected;
        return;
    }
    const bool serialRead = rzConfigUSBGetDeviceSerial(handle, &found.serialNumber) == 0;
    const bool typeRead = rzConfigUSBGetDeviceType(handle, &found.deviceType) == 0;
    rzConfigUSBCloseDevice(handle);
    // A restore from unread answers would write another model's images, or
    // serial 0; the operator names the model instead.
    if (!serialRead || !typeRead || !isKnownDeviceType(found.deviceType)) {
        emit updateText(QStringLiteral("Failed to read the boot device's serial number or type."));
        found.status = NotDetected;
        return;
    }
    found.status = NeedsRestore;
    found.targetVersion = targetVersion(found.deviceType);
}
