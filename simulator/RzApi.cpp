// The maker's C API, answered by the simulated instrument. Each call traces
// itself and hands the work to VirtualInstrument under its lock, or, when
// replaying a recording, to CallReplay.
// The library is built with hidden visibility; only the calls rz_api.h
// declares are exported: the version, and one entry point for each call of
// RZ_LIBRARY_CALLS, made from the list at the end of this file. So is the
// simulated library's own extension, except in a stand-in for the maker's
// library, which has none.
#pragma GCC visibility push(default)
#include "device/rz_api.h"
#ifndef RZ_API_STANDIN
#include "device/rzsim_extension.h"
#endif
#pragma GCC visibility pop

#include "device/RzCallList.h"

#include "simulator/CallReplay.h"
#include "simulator/CallTrace.h"
#include "simulator/VirtualInstrument.h"

namespace {

using Family = VirtualInstrument::Family;

#ifndef RZ_API_VERSION_TEXT
#define RZ_API_VERSION_TEXT "rzsim 1.0 (simulated instrument)"
#endif
const char apiVersion[] = RZ_API_VERSION_TEXT;

template <typename Body>
int perform(CallTrace& trace, Body body)
{
    if (CallReplay* replay = CallReplay::active())
        return replay->answer(trace);
    VirtualInstrument& instrument = VirtualInstrument::instance();
    QString reason;
    const int status = instrument.perform(
        QLatin1String(trace.call()), [&](InstrumentState& state) { return body(instrument, state); }, &reason);
    if (status != 0)
        trace.setReason(reason);
    return status;
}

// Opens trace the handle's value on entry and the handle they give.
int open(CallTrace& trace, int* handle, const std::function<int(VirtualInstrument&, InstrumentState&)>& body)
{
    const int status = perform(trace, body);
    if (status == 0)
        trace.out("handle", *handle);
    return trace.finish(status);
}

int bootstrap(const char* call, Family family, int* handle, const char* bootImagePath)
{
    CallTrace trace(call);
    trace.inOut("handle", handle).arg("bootImagePath", bootImagePath);
    return open(trace, handle, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.bootstrap(state, family, handle, bootImagePath);
    });
}

int close(const char* call, Family family, int handle)
{
    CallTrace trace(call);
    trace.arg("handle", handle);
    return trace.finish(perform(trace, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.close(state, family, handle);
    }));
}

int openBySerial(const char* call, Family family, int* handle, int serial)
{
    CallTrace trace(call);
    trace.inOut("handle", handle).arg("serial", serial);
    return open(trace, handle, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.openBySerial(state, family, handle, serial);
    });
}

int flashSerial(const char* call, Family family, int handle, int* serial)
{
    CallTrace trace(call);
    trace.arg("handle", handle).outPointer("serial", serial);
    const int status = perform(trace, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.flashSerial(state, family, handle, serial);
    });
    if (status == 0)
        trace.out("serial", *serial);
    return trace.finish(status);
}

int clear(const char* call, Family family, int handle, Component component)
{
    CallTrace trace(call);
    trace.arg("handle", handle);
    return trace.finish(perform(trace, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.clear(state, family, handle, component, nullptr);
    }));
}

int write(const char* call, Family family, int handle, Component component, const char* imagePath, int serial)
{
    CallTrace trace(call);
    trace.arg("handle", handle).arg("imagePath", imagePath).arg("serial", serial);
    return trace.finish(perform(trace, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.write(state, family, handle, component, imagePath, serial, nullptr);
    }));
}

// The USB FPGA calls report progress, so they need somewhere to put it.
int withProgress(CallTrace& trace, double* progress,
                 const std::function<int(VirtualInstrument&, InstrumentState&)>& body)
{
    trace.outPointer("progress", progress);
    const int status = perform(trace, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return progress ? body(instrument, state) : int(VirtualInstrument::InvalidArgument);
    });
    if (status == 0)
        trace.out("progress", *progress);
    return trace.finish(status);
}

} // namespace

extern "C" const char* rzGetAPIVersion(void)
{
    const CallReplay* replay = CallReplay::active();
    const char* version = replay && replay->libraryVersion() ? replay->libraryVersion() : apiVersion;
    CallTrace("rzGetAPIVersion").finish(version);
    return version;
}

#ifndef RZ_API_STANDIN
extern "C" const char* rzsimReplaySource(void)
{
    const CallReplay* replay = CallReplay::active();
    return replay ? replay->source() : nullptr;
}
#endif

// What each call does, declared as the list declares it.
namespace simulated {

int rzOpenDevice(int* handle)
{
    CallTrace trace("rzOpenDevice");
    trace.inOut("handle", handle);
    return open(trace, handle, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.openPlain(state, handle);
    });
}

int rzCloseDevice(int handle)
{
    return close("rzCloseDevice", Family::Plain, handle);
}

int rzGetDeviceInfo(int handle, RzDeviceType* type, int* serial)
{
    CallTrace trace("rzGetDeviceInfo");
    int model = 0;
    trace.arg("handle", handle).outPointer("type", type ? &model : nullptr).outPointer("serial", serial);
    const int status = perform(trace, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.deviceInfo(state, handle, type ? &model : nullptr, serial);
    });
    if (status == 0) {
        *type = RzDeviceType(model);
        trace.out("type", model).out("serial", *serial);
    }
    return trace.finish(status);
}

int rzGetFirmwareVersion(int handle, int* boot, int* run, int* fpga)
{
    CallTrace trace("rzGetFirmwareVersion");
    trace.arg("handle", handle).outPointer("boot", boot).outPointer("run", run).outPointer("fpga", fpga);
    const int status = perform(trace, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.firmwareVersions(state, handle, boot, run, fpga);
    });
    if (status == 0)
        trace.out("boot", *boot).out("run", *run).out("fpga", *fpga);
    return trace.finish(status);
}

RzInitStatus rzConfigUSBOpenDevice(int* handle)
{
    CallTrace trace("rzConfigUSBOpenDevice");
    trace.inOut("handle", handle);
    return RzInitStatus(open(trace, handle, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.openUsb(state, handle);
    }));
}

RzInitStatus rzConfigUSBOpenDeviceBySerial(int* handle, int serial)
{
    return RzInitStatus(openBySerial("rzConfigUSBOpenDeviceBySerial", Family::Usb, handle, serial));
}

RzInitStatus rzConfigUSBBootstrapDevice(int* handle, const char* bootImagePath)
{
    return RzInitStatus(bootstrap("rzConfigUSBBootstrapDevice", Family::Usb, handle, bootImagePath));
}

RzInitStatus rzConfigUSBGetDeviceSerial(int handle, int* serial)
{
    return RzInitStatus(flashSerial("rzConfigUSBGetDeviceSerial", Family::Usb, handle, serial));
}

RzInitStatus rzConfigUSBGetDeviceType(int handle, RzDeviceType* type)
{
    CallTrace trace("rzConfigUSBGetDeviceType");
    int model = 0;
    trace.arg("handle", handle).outPointer("type", type ? &model : nullptr);
    const int status = perform(trace, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.deviceType(state, handle, type ? &model : nullptr);
    });
    if (status == 0) {
        *type = RzDeviceType(model);
        trace.out("type", model);
    }
    return RzInitStatus(trace.finish(status));
}

RzInitStatus rzConfigUSBGetSerialFromFlash(int handle, int* serial)
{
    return RzInitStatus(flashSerial("rzConfigUSBGetSerialFromFlash", Family::Usb, handle, serial));
}

RzInitStatus rzConfigUSBCloseDevice(int handle)
{
    return RzInitStatus(close("rzConfigUSBCloseDevice", Family::Usb, handle));
}

RzInitStatus rzConfigUSBClearBootSector(int handle)
{
    return RzInitStatus(clear("rzConfigUSBClearBootSector", Family::Usb, handle, Component::Boot));
}

RzInitStatus rzConfigUSBWriteBootSector(int handle, const char* imagePath, int serial)
{
    return RzInitStatus(write("rzConfigUSBWriteBootSector", Family::Usb, handle, Component::Boot, imagePath, serial));
}

RzInitStatus rzConfigUSBClearRunSector(int handle)
{
    return RzInitStatus(clear("rzConfigUSBClearRunSector", Family::Usb, handle, Component::Run));
}

RzInitStatus rzConfigUSBWriteRunSector(int handle, const char* imagePath, int serial)
{
    return RzInitStatus(write("rzConfigUSBWriteRunSector", Family::Usb, handle, Component::Run, imagePath, serial));
}

RzInitStatus rzConfigUSBClearFPGAProgram(int handle, double* progress)
{
    CallTrace trace("rzConfigUSBClearFPGAProgram");
    trace.arg("handle", handle);
    return RzInitStatus(withProgress(trace, progress, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.clear(state, Family::Usb, handle, Component::Fpga, progress);
    }));
}

RzInitStatus rzConfigUSBWriteFPGAProgram(int handle, const char* imagePath, double* progress)
{
    CallTrace trace("rzConfigUSBWriteFPGAProgram");
    trace.arg("handle", handle).arg("imagePath", imagePath);
    return RzInitStatus(withProgress(trace, progress, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.write(state, Family::Usb, handle, Component::Fpga, imagePath, -1, progress);
    }));
}

RzStatus rzConfigNetGetDeviceList(int* serials, int* count)
{
    CallTrace trace("rzConfigNetGetDeviceList");
    const int room = count ? *count : 0;
    trace.inOut("count", count).outList("serials", serials, room);
    const int status = perform(trace, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.listNetwork(state, serials, count);
    });
    if (status != 0 && count)
        *count = 0;
    if (count)
        trace.out("count", *count);
    if (status == 0)
        trace.out("serials", serials, qMin(room, *count));
    return RzStatus(trace.finish(status));
}

RzStatus rzConfigNetOpenDevice(int* handle, int serial)
{
    return RzStatus(openBySerial("rzConfigNetOpenDevice", Family::Net, handle, serial));
}

RzStatus rzConfigNetBootstrapDevice(int* handle, const char* bootImagePath)
{
    return RzStatus(bootstrap("rzConfigNetBootstrapDevice", Family::Net, handle, bootImagePath));
}

RzStatus rzConfigNetGetSerialFromFlash(int handle, int* serial)
{
    return RzStatus(flashSerial("rzConfigNetGetSerialFromFlash", Family::Net, handle, serial));
}

RzStatus rzConfigNetGetFirmwareVersion(int handle, int* firmwareNumber)
{
    CallTrace trace("rzConfigNetGetFirmwareVersion");
    trace.arg("handle", handle).outPointer("firmwareNumber", firmwareNumber);
    const int status = perform(trace, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.networkFirmware(state, handle, firmwareNumber);
    });
    if (status == 0)
        trace.out("firmwareNumber", *firmwareNumber);
    return RzStatus(trace.finish(status));
}

RzStatus rzConfigNetGetFPGAStatus(int handle, int* state)
{
    CallTrace trace("rzConfigNetGetFPGAStatus");
    trace.arg("handle", handle).outPointer("state", state);
    const int status = perform(trace, [&](VirtualInstrument& instrument, InstrumentState& instrumentState) {
        return instrument.networkFpgaStatus(instrumentState, handle, state);
    });
    if (status == 0)
        trace.out("state", *state);
    return RzStatus(trace.finish(status));
}

RzStatus rzConfigNetCloseDevice(int handle)
{
    return RzStatus(close("rzConfigNetCloseDevice", Family::Net, handle));
}

RzStatus rzConfigNetClearFx3(int handle)
{
    return RzStatus(clear("rzConfigNetClearFx3", Family::Net, handle, Component::Boot));
}

RzStatus rzConfigNetWriteFx3(int handle, const char* imagePath, int serial)
{
    return RzStatus(write("rzConfigNetWriteFx3", Family::Net, handle, Component::Boot, imagePath, serial));
}

RzStatus rzConfigNetClearFPGA(int handle)
{
    return RzStatus(clear("rzConfigNetClearFPGA", Family::Net, handle, Component::Fpga));
}

RzStatus rzConfigNetWriteFGPA(int handle, const char* imagePath)
{
    CallTrace trace("rzConfigNetWriteFGPA");
    trace.arg("handle", handle).arg("imagePath", imagePath);
    return RzStatus(trace.finish(perform(trace, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.write(state, Family::Net, handle, Component::Fpga, imagePath, -1, nullptr);
    })));
}

RzStatus rzConfigNetPreset(int handle)
{
    CallTrace trace("rzConfigNetPreset");
    trace.arg("handle", handle);
    return RzStatus(trace.finish(perform(trace, [&](VirtualInstrument& instrument, InstrumentState& state) {
        return instrument.preset(state, handle);
    })));
}

} // namespace simulated

// The exported entry points, one for each call the list names.
#define RZ_SIMULATED_ENTRY(name, status, parameters, arguments, record)                                            \
    extern "C" status name parameters                                                                               \
    {                                                                                                               \
        return simulated::name arguments;                                                                           \
    }
RZ_LIBRARY_CALLS(RZ_SIMULATED_ENTRY)
