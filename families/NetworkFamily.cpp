// The device library's network configuration family: instruments found
// through its listing and opened by the serial number it gives, with one FX3
// image and an FPGA configuration, and a preset once written.

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

int closeDevice(int handle)
{
    return Call::query(QT_TRANSLATE_NOOP("OperatorText", "closing the instrument"), [handle] { return Api::rzConfigNetCloseDevice(handle); });
}

int openDevice(OpenedInstrument& instrument, int serial)
{
    return Call::query(QT_TRANSLATE_NOOP("OperatorText", "opening the instrument"), instrument.handleOut(),
                       [serial](int& opened) { return Api::rzConfigNetOpenDevice(&opened, serial); });
}

// The first serial number the listing gives; `count`, how many it found.
int firstListedSerial(int* count)
{
    // Room for one serial number, and the count of them.
    std::pair<int, int> listed{0, 1};
    Call::query(QT_TRANSLATE_NOOP("OperatorText", "listing the instruments"), &listed,
                [](std::pair<int, int>& list) { return Api::rzConfigNetGetDeviceList(&list.first, &list.second); });
    *count = listed.second;
    return listed.first;
}

// Both answers are tested as the USB queries are: an FPGA that did not load,
// or firmware from an unread number, must never look current.
bool detectListed(DeviceState& found, const DeviceFamily::LineSink& say)
{
    int count = 0;
    const int listedSerial = firstListedSerial(&count);
    OpenedInstrument instrument(closeDevice);
    if (count < 1 || openDevice(instrument, listedSerial) != 0)
        return false;
    instrument.closeWhenDone();
    const int handle = instrument.handle();
    int firmwareNumber = 0;
    int fpgaState = 0;
    const auto readNumber = [handle](int& number) { return Api::rzConfigNetGetFirmwareVersion(handle, &number); };
    const auto readFpgaState = [handle](int& state) { return Api::rzConfigNetGetFPGAStatus(handle, &state); };
    const bool answered =
        Call::query(QT_TRANSLATE_NOOP("OperatorText", "reading the firmware number"), &firmwareNumber, readNumber) == 0
        && firmwareNumber > 0
        && Call::query(QT_TRANSLATE_NOOP("OperatorText", "reading the FPGA status"), &fpgaState, readFpgaState) == 0;
    instrument.close();
    if (!answered) {
        say(OperatorText::tr("Failed to retrieve firmware versions."));
        found.status = NotDetected;
        return true;
    }
    if (fpgaState == RZ_FPGA_FAILED_TO_LOAD) {
        say(OperatorText::tr("FPGA failed to load."));
        found.status = NeedsRestore;
    } else {
        found.status = Operational;
    }
    found.currentVersion = versionFromNetworkFirmware(firmwareNumber);
    found.deviceType = found.currentVersion.deviceType;
    found.targetVersion = targetVersion(found.deviceType);
    found.serialNumber = listedSerial;
    return true;
}

// The listing names the instrument that answers; it must be the checked one.
Opened openListed(OpenedInstrument& instrument, DeviceFamily::Identity checked, OperatorText* line)
{
    int count = 0;
    const int listed = firstListedSerial(&count);
    if (count >= 1 && listed != checked.serial)
        return Opened::NotChecked;
    if (openDevice(instrument, checked.serial) != 0) {
        *line = OperatorText::tr("Cannot Find Device");
        return Opened::Failed;
    }
    return Opened::Yes;
}

// A restore needs exactly one listed instrument, opened by its listed serial.
Opened openTheOnlyListed(OpenedInstrument& instrument, DeviceFamily::Identity checked, const char*, OperatorText* line)
{
    int count = 0;
    const int listed = firstListedSerial(&count);
    if (count != 1) {
        *line = OperatorText::tr("Unable to find device.");
        return Opened::Failed;
    }
    if (listed != checked.serial)
        return Opened::NotChecked;
    if (openDevice(instrument, listed) != 0) {
        *line = OperatorText::tr("Failed to open device.");
        return Opened::Failed;
    }
    return Opened::Yes;
}

// The last call: no close follows. The instrument takes up its new
// firmware only once preset: a failed preset is a failed write.
int preset(OpenedInstrument& instrument)
{
    const int handle = instrument.handle();
    return Call::query(QT_TRANSLATE_NOOP("OperatorText", "presetting the instrument"), [handle] { return Api::rzConfigNetPreset(handle); });
}

int bootstrapDevice(OpenedInstrument& instrument, const char* image)
{
    return LibraryThread::runInto(CallBudget::bootstrap(OperatorText::tr("bootstrapping the instrument")),
                                  instrument.handleOut(),
                                  [image = std::string(image)](int& opened) {
                                      return Api::rzConfigNetBootstrapDevice(&opened, image.c_str());
                                  });
}

int serialFromFlash(int handle, int* serial)
{
    return Call::query(QT_TRANSLATE_NOOP("OperatorText", "reading the serial number from flash"), serial,
                       [handle](int& read) { return Api::rzConfigNetGetSerialFromFlash(handle, &read); });
}

} // namespace

// An update announces the FX3 at twice what the restore does: it takes
// the update's word for its budget, the restore its own.
const DeviceFamily& networkFamily()
{
    using C = ComponentCalls;
    using S = C::Seconds;
    static const DeviceFamily family(
        {.openForUpdate = openListed,
         .openForRestore = openTheOnlyListed,
         .finishUpdate = preset,
         .finishRestore = preset,
         .bootstrap = bootstrapDevice,
         .serialFromFlash = serialFromFlash,
         .close = closeDevice,
         .updateFinishCalls = true,
         .restoreFinishCalls = true},
        {{.component = "fx3",
          .clear = C::clearing<&Api::rzConfigNetClearFx3>,
          .write = C::writing<&Api::rzConfigNetWriteFx3>,
          .label = OperatorText::tr("FX3"),
          .updateEstimate = S(20),
          .restoreLabel = OperatorText::tr("FX3 program"),
          .restoreEstimate = S(10),
          .restoreClearFailed = OperatorText::tr("Failed clearing boot FX3 device.")},
         {.component = "fpga",
          .clear = C::clearing<&Api::rzConfigNetClearFPGA>,
          .write = C::writing<&Api::rzConfigNetWriteFGPA>,
          .label = OperatorText::tr("FPGA"),
          .updateEstimate = S(600),
          .restoreClearFailed = OperatorText::tr("Failed clearing FPGA.")}},
        Connection::Network, {{detectListed, {}}});
    return family;
}
