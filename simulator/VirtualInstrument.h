#ifndef VIRTUALINSTRUMENT_H
#define VIRTUALINSTRUMENT_H

#include "device/rz_api.h"
#include "simulator/FirmwareImage.h"
#include "simulator/InstrumentState.h"

#include <functional>
#include <map>
#include <mutex>

// The behaviour of the simulated instrument behind the C API: which calls it
// answers in which state, the open handles of this process, and the effect of
// clears, writes and bootstraps on the state file.
class VirtualInstrument
{
public:
    // One set of numbers for the USB family's, the network family's and the
    // plain functions' statuses, which agree (checked in VirtualInstrument.cpp).
    enum Status {
        Success = RZ_SUCCESS,
        NoDevice = RZ_NO_DEVICE,
        InvalidHandle = RZ_INVALID_HANDLE,
        InvalidArgument = RZ_INVALID_ARGUMENT,
        BadImage = RZ_BAD_IMAGE,
        IoError = RZ_IO_ERROR,
        Failure = RZ_FAILURE
    };
    enum class Family { Plain, Usb, Net };
    using Operation = std::function<int(InstrumentState&)>;

    static VirtualInstrument& instance();

    // Runs one call against the state file under the library's one lock:
    // loads the file, applies faults and the unplug trigger around the
    // operation, and saves the state if anything changed. *reason tells why
    // a call failed, when there is more to say than its status.
    int perform(const QString& call, const Operation& operation, QString* reason);
    int stallUntilPlugged(const QString& path);

    int openPlain(InstrumentState& state, int* handle);
    int openUsb(InstrumentState& state, int* handle);
    int openBySerial(InstrumentState& state, Family family, int* handle, int serial);
    int bootstrap(InstrumentState& state, Family family, int* handle, const char* imagePath);
    int close(InstrumentState& state, Family family, int handle);

    int deviceInfo(InstrumentState& state, int handle, int* type, int* serial);
    int firmwareVersions(InstrumentState& state, int handle, int* boot, int* run, int* fpga);
    int deviceType(InstrumentState& state, int handle, int* type);
    int flashSerial(InstrumentState& state, Family family, int handle, int* serial);

    int listNetwork(InstrumentState& state, int* serials, int* count);
    int networkFirmware(InstrumentState& state, int handle, int* firmwareNumber);
    int networkFpgaStatus(InstrumentState& state, int handle, int* fpgaState);
    int preset(InstrumentState& state, int handle);

    // A null progress is allowed here; the C API decides where one is required.
    int clear(InstrumentState& state, Family family, int handle, Component component, double* progress);
    int write(InstrumentState& state, Family family, int handle, Component component, const char* imagePath,
              int serial, double* progress);

private:
    struct Handle
    {
        Family family;
        int serial;
    };

    VirtualInstrument() = default;

    bool answers(const InstrumentState& state, Family family) const;
    int addHandle(const InstrumentState& state, Family family, int* handle);
    int checkHandle(const InstrumentState& state, Family family, int handle);
    int checkImagePath(const char* imagePath);
    int readImage(const InstrumentState& state, Component component, const char* imagePath,
                  FirmwareImage* image);
    int fail(int status, const QString& reason);

    std::mutex m_mutex;
    std::map<int, Handle> m_handles;
    int m_nextHandle = 1;
    QString m_reason;
};

#endif
