// The device library's USB configuration family: instruments opened by
// serial number or as the one waiting in its boot loader, with a boot image,
// a run image and an FPGA configuration. An operational instrument answers
// the library's plain calls too, which is how a check reads its versions.

#include "families/DeviceFamily.h"
#include "families/FamilyList.h"

#include "catalogue/Catalogue.h"
#include "families/LibraryThread.h"
#include "families/OpenedInstrument.h"
#include "families/RecordedLibrary.h"

#include <string>
#include <utility>

namespace {

using Opened = DeviceFamily::Opened;
using Call = LibraryThread;
using Api = RecordedLibrary;

int closeConfigured(int handle)
{
    return Call::query(QT_TRANSLATE_NOOP("OperatorText", "closing the instrument"), [handle] { return Api::rzConfigUSBCloseDevice(handle); });
}

int closePlain(int handle)
{
    return Call::query(QT_TRANSLATE_NOOP("OperatorText", "closing the instrument"), [handle] { return Api::rzCloseDevice(handle); });
}

int readType(int handle, int* type)
{
    RzDeviceType found = RzDeviceType(-1);
    const int status = Call::query(QT_TRANSLATE_NOOP("OperatorText", "reading the device type"), &found,
                                   [handle](RzDeviceType& type) { return Api::rzConfigUSBGetDeviceType(handle, &type); });
    *type = int(found);
    return status;
}

int readSerial(int handle, int* serial)
{
    return Call::query(QT_TRANSLATE_NOOP("OperatorText", "reading the serial number"), serial,
                       [handle](int& read) { return Api::rzConfigUSBGetDeviceSerial(handle, &read); });
}

// An operational instrument: its versions and its identity, then closed.
bool detectOperational(DeviceState& found, const DeviceFamily::LineSink& say)
{
    OpenedInstrument instrument(closePlain);
    if (Call::query(QT_TRANSLATE_NOOP("OperatorText", "opening the instrument"), instrument.handleOut(),
                    [](int& handle) { return Api::rzOpenDevice(&handle); })
        != 0)
        return false;
    instrument.closeWhenDone();
    const int handle = instrument.handle();
    FirmwareVersion& current = found.currentVersion;
    if (Call::query(QT_TRANSLATE_NOOP("OperatorText", "reading the firmware versions"), &current,
                    [handle](FirmwareVersion& read) {
                        return Api::rzGetFirmwareVersion(handle, &read.bootVersion, &read.runVersion, &read.fpgaVersion);
                    })
        != 0) {
        instrument.close();
        say(OperatorText::tr("Failed to retrieve firmware versions."));
        found.status = NotDetected;
        return true;
    }
    std::pair<RzDeviceType, int> info{RzDeviceType(0), found.serialNumber};
    if (Call::query(QT_TRANSLATE_NOOP("OperatorText", "reading the serial number"), &info,
                    [handle](std::pair<RzDeviceType, int>& read) {
                        return Api::rzGetDeviceInfo(handle, &read.first, &read.second);
                    })
        != 0) {
        instrument.close();
        say(OperatorText::tr("Failed to retrieve serial number."));
        found.status = NotDetected;
        return true;
    }
    instrument.close();
    found.serialNumber = info.second;
    found.deviceType = int(info.first);
    found.status = Operational;
    found.targetVersion = targetVersion(found.deviceType);
    return true;
}

// An instrument that answers only in its boot loader.
bool detectBootMode(DeviceState& found, const DeviceFamily::LineSink& say)
{
    OpenedInstrument instrument(closeConfigured);
    if (Call::query(QT_TRANSLATE_NOOP("OperatorText", "opening the instrument"), instrument.handleOut(),
                    [](int& handle) { return Api::rzConfigUSBOpenDevice(&handle); })
        != 0)
        return false;
    instrument.closeWhenDone();
    const int handle = instrument.handle();
    const bool serialRead = readSerial(handle, &found.serialNumber) == 0;
    const bool typeRead = readType(handle, &found.deviceType) == 0;
    instrument.close();
    // A restore from unread answers would write another model's images, or
    // serial 0; the operator names the model instead.
    if (!serialRead || !typeRead || !isKnownDeviceType(found.deviceType)) {
        say(OperatorText::tr("Failed to read the boot device's serial number or type."));
        found.status = NotDetected;
        return true;
    }
    found.status = NeedsRestore;
    found.targetVersion = targetVersion(found.deviceType);
    return true;
}

Opened openBySerial(OpenedInstrument& instrument, DeviceFamily::Identity checked, OperatorText* line)
{
    const int serial = checked.serial;
    if (Call::query(QT_TRANSLATE_NOOP("OperatorText", "opening the instrument"), instrument.handleOut(),
                    [serial](int& opened) { return Api::rzConfigUSBOpenDeviceBySerial(&opened, serial); })
        != 0) {
        *line = OperatorText::tr("Cannot Find Device");
        return Opened::Failed;
    }
    int found = -1;
    const bool answered = readType(instrument.handle(), &found) == 0;
    return answered && found == checked.type ? Opened::Yes : Opened::NotChecked;
}

int bootstrapDevice(OpenedInstrument& instrument, const char* image)
{
    return LibraryThread::runInto(CallBudget::bootstrap(OperatorText::tr("bootstrapping the instrument")),
                                  instrument.handleOut(),
                                  [image = std::string(image)](int& opened) {
                                      return Api::rzConfigUSBBootstrapDevice(&opened, image.c_str());
                                  });
}

int serialFromFlash(int handle, int* serial)
{
    return Call::query(QT_TRANSLATE_NOOP("OperatorText", "reading the serial number from flash"), serial,
                       [handle](int& read) { return Api::rzConfigUSBGetSerialFromFlash(handle, &read); });
}

// Bootstrapped, the instrument is known by the serial number in its flash
// alone; its type is the one the operator named.
Opened openInBootLoader(OpenedInstrument& instrument, DeviceFamily::Identity checked, const char* bootImage,
                        OperatorText* line)
{
    int foundSerial = 0;
    if (Call::query(QT_TRANSLATE_NOOP("OperatorText", "opening the instrument"), instrument.handleOut(),
                    [](int& opened) { return Api::rzConfigUSBOpenDevice(&opened); })
        == 0) {
        int foundType = -1;
        const bool answered =
            readSerial(instrument.handle(), &foundSerial) == 0 && readType(instrument.handle(), &foundType) == 0;
        return answered && foundSerial == checked.serial && foundType == checked.type ? Opened::Yes
                                                                                      : Opened::NotChecked;
    }
    if (bootstrapDevice(instrument, bootImage) == 0) {
        const bool answered = serialFromFlash(instrument.handle(), &foundSerial) == 0;
        return answered && foundSerial == checked.serial ? Opened::Yes : Opened::NotChecked;
    }
    *line = OperatorText::tr("Failed to open device.");
    return Opened::Failed;
}

} // namespace

// An update leaves the instrument open; a restore closes it. The update
// passes no serial number with the run image: only the boot image carries it.
const DeviceFamily& usbFamily()
{
    using C = ComponentCalls;
    using S = C::Seconds;
    static const DeviceFamily family(
        {.openForUpdate = openBySerial,
         .openForRestore = openInBootLoader,
         .finishUpdate = [](OpenedInstrument&) { return 0; },
         // The close's status is not tested.
         .finishRestore =
             [](OpenedInstrument& instrument) {
                 instrument.closeWhenDone();
                 instrument.close();
                 return 0;
             },
         .bootstrap = bootstrapDevice,
         .serialFromFlash = serialFromFlash,
         .close = closeConfigured,
         .restoreFinishCalls = true},
        {{.component = "boot",
          .clear = C::clearing<&Api::rzConfigUSBClearBootSector>,
          .write = C::writing<&Api::rzConfigUSBWriteBootSector>,
          .label = OperatorText::tr("boot Fx3"),
          .updateEstimate = S(10),
          .restoreClearFailed = OperatorText::tr("Failed clearing boot Fx3 device.")},
         {.component = "run",
          .clear = C::clearing<&Api::rzConfigUSBClearRunSector>,
          .write = C::writing<&Api::rzConfigUSBWriteRunSector>,
          .updatePassesSerial = false,
          .label = OperatorText::tr("run Fx3"),
          .updateEstimate = S(10),
          .restoreLabel = OperatorText::tr("run Fx3 device"),
          .restoreClearFailed = OperatorText::tr("Failed clearing run Fx3.")},
         {.component = "fpga",
          .clear = C::clearing<&Api::rzConfigUSBClearFPGAProgram>,
          .write = C::writing<&Api::rzConfigUSBWriteFPGAProgram>,
          .showsProgress = true,
          .label = OperatorText::tr("FPGA"),
          .updateEstimate = S(360),
          .restoreClearFailed = OperatorText::tr("Failed clearing FPGA.")}},
        Connection::Usb,
        {{detectOperational, {OperatorText::tr("Failed to open RZ."), OperatorText::tr("Looking for RZ boot device...")}},
         {detectBootMode, {OperatorText::tr("Failed to open RZ boot device.")}}});
    return family;
}
