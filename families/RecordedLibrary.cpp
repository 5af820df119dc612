#include "families/RecordedLibrary.h"

#include "families/CallRecorder.h"

// Arguments are named as the library's declarations name them; the
// simulated library's replay compares them by these names.
using Call = CallRecorder::Call;

int RecordedLibrary::rzOpenDevice(int* handle)
{
    return Call("rzOpenDevice").inOut("handle", handle).made([=] { return ::rzOpenDevice(handle); });
}

int RecordedLibrary::rzCloseDevice(int handle)
{
    return Call("rzCloseDevice").in("handle", handle).made([=] { return ::rzCloseDevice(handle); });
}

int RecordedLibrary::rzGetDeviceInfo(int handle, RzDeviceType* type, int* serial)
{
    return Call("rzGetDeviceInfo").in("handle", handle).out("type", type).out("serial", serial).made([=] {
        return ::rzGetDeviceInfo(handle, type, serial);
    });
}

int RecordedLibrary::rzGetFirmwareVersion(int handle, int* boot, int* run, int* fpga)
{
    return Call("rzGetFirmwareVersion")
        .in("handle", handle)
        .out("boot", boot)
        .out("run", run)
        .out("fpga", fpga)
        .made([=] { return ::rzGetFirmwareVersion(handle, boot, run, fpga); });
}

int RecordedLibrary::rzConfigUSBOpenDevice(int* handle)
{
    return Call("rzConfigUSBOpenDevice").inOut("handle", handle).made([=] { return ::rzConfigUSBOpenDevice(handle); });
}

int RecordedLibrary::rzConfigUSBOpenDeviceBySerial(int* handle, int serial)
{
    return Call("rzConfigUSBOpenDeviceBySerial").inOut("handle", handle).in("serial", serial).made([=] {
        return ::rzConfigUSBOpenDeviceBySerial(handle, serial);
    });
}

int RecordedLibrary::rzConfigUSBBootstrapDevice(int* handle, const char* bootImagePath)
{
    return Call("rzConfigUSBBootstrapDevice")
        .inOut("handle", handle)
        .image("bootImagePath", bootImagePath)
        .made([=] { return ::rzConfigUSBBootstrapDevice(handle, bootImagePath); });
}

int RecordedLibrary::rzConfigUSBGetDeviceSerial(int handle, int* serial)
{
    return Call("rzConfigUSBGetDeviceSerial").in("handle", handle).out("serial", serial).made([=] {
        return ::rzConfigUSBGetDeviceSerial(handle, serial);
    });
}

int RecordedLibrary::rzConfigUSBGetDeviceType(int handle, RzDeviceType* type)
{
    return Call("rzConfigUSBGetDeviceType").in("handle", handle).out("type", type).made([=] {
        return ::rzConfigUSBGetDeviceType(handle, type);
    });
}

int RecordedLibrary::rzConfigUSBGetSerialFromFlash(int handle, int* serial)
{
    return Call("rzConfigUSBGetSerialFromFlash").in("handle", handle).out("serial", serial).made([=] {
        return ::rzConfigUSBGetSerialFromFlash(handle, serial);
    });
}

int RecordedLibrary::rzConfigUSBCloseDevice(int handle)
{
    return Call("rzConfigUSBCloseDevice").in("handle", handle).made([=] { return ::rzConfigUSBCloseDevice(handle); });
}

int RecordedLibrary::rzConfigUSBClearBootSector(int handle)
{
    return Call("rzConfigUSBClearBootSector").in("handle", handle).made([=] {
        return ::rzConfigUSBClearBootSector(handle);
    });
}

int RecordedLibrary::rzConfigUSBWriteBootSector(int handle, const char* imagePath, int serial)
{
    return Call("rzConfigUSBWriteBootSector")
        .in("handle", handle)
        .image("imagePath", imagePath)
        .in("serial", serial)
        .made([=] { return ::rzConfigUSBWriteBootSector(handle, imagePath, serial); });
}

int RecordedLibrary::rzConfigUSBClearRunSector(int handle)
{
    return Call("rzConfigUSBClearRunSector").in("handle", handle).made([=] {
        return ::rzConfigUSBClearRunSector(handle);
    });
}

int RecordedLibrary::rzConfigUSBWriteRunSector(int handle, const char* imagePath, int serial)
{
    return Call("rzConfigUSBWriteRunSector")
        .in("handle", handle)
        .image("imagePath", imagePath)
        .in("serial", serial)
        .made([=] { return ::rzConfigUSBWriteRunSector(handle, imagePath, serial); });
}

int RecordedLibrary::rzConfigUSBClearFPGAProgram(int handle, double* progress)
{
    return Call("rzConfigUSBClearFPGAProgram").in("handle", handle).out("progress", progress).made([=] {
        return ::rzConfigUSBClearFPGAProgram(handle, progress);
    });
}

int RecordedLibrary::rzConfigUSBWriteFPGAProgram(int handle, const char* imagePath, double* progress)
{
    return Call("rzConfigUSBWriteFPGAProgram")
        .in("handle", handle)
        .image("imagePath", imagePath)
        .out("progress", progress)
        .made([=] { return ::rzConfigUSBWriteFPGAProgram(handle, imagePath, progress); });
}

// On entry *count is the room in serials: an input as well as an output.
int RecordedLibrary::rzConfigNetGetDeviceList(int* serials, int* count)
{
    const int room = count ? *count : 0;
    return Call("rzConfigNetGetDeviceList")
        .inOut("count", count)
        .outList("serials", serials, room, count)
        .made([=] { return ::rzConfigNetGetDeviceList(serials, count); });
}

int RecordedLibrary::rzConfigNetOpenDevice(int* handle, int serial)
{
    return Call("rzConfigNetOpenDevice").inOut("handle", handle).in("serial", serial).made([=] {
        return ::rzConfigNetOpenDevice(handle, serial);
    });
}

int RecordedLibrary::rzConfigNetBootstrapDevice(int* handle, const char* bootImagePath)
{
    return Call("rzConfigNetBootstrapDevice")
        .inOut("handle", handle)
        .image("bootImagePath", bootImagePath)
        .made([=] { return ::rzConfigNetBootstrapDevice(handle, bootImagePath); });
}

int RecordedLibrary::rzConfigNetGetSerialFromFlash(int handle, int* serial)
{
    return Call("rzConfigNetGetSerialFromFlash").in("handle", handle).out("serial", serial).made([=] {
        return ::rzConfigNetGetSerialFromFlash(handle, serial);
    });
}

int RecordedLibrary::rzConfigNetGetFirmwareVersion(int handle, int* firmwareNumber)
{
    return Call("rzConfigNetGetFirmwareVersion").in("handle", handle).out("firmwareNumber", firmwareNumber).made([=] {
        return ::rzConfigNetGetFirmwareVersion(handle, firmwareNumber);
    });
}

int RecordedLibrary::rzConfigNetGetFPGAStatus(int handle, int* state)
{
    return Call("rzConfigNetGetFPGAStatus").in("handle", handle).out("state", state).made([=] {
        return ::rzConfigNetGetFPGAStatus(handle, state);
    });
}

int RecordedLibrary::rzConfigNetCloseDevice(int handle)
{
    return Call("rzConfigNetCloseDevice").in("handle", handle).made([=] { return ::rzConfigNetCloseDevice(handle); });
}

int RecordedLibrary::rzConfigNetClearFx3(int handle)
{
    return Call("rzConfigNetClearFx3").in("handle", handle).made([=] { return ::rzConfigNetClearFx3(handle); });
}

int RecordedLibrary::rzConfigNetWriteFx3(int handle, const char* imagePath, int serial)
{
    return Call("rzConfigNetWriteFx3")
        .in("handle", handle)
        .image("imagePath", imagePath)
        .in("serial", serial)
        .made([=] { return ::rzConfigNetWriteFx3(handle, imagePath, serial); });
}

int RecordedLibrary::rzConfigNetClearFPGA(int handle)
{
    return Call("rzConfigNetClearFPGA").in("handle", handle).made([=] { return ::rzConfigNetClearFPGA(handle); });
}

int RecordedLibrary::rzConfigNetWriteFGPA(int handle, const char* imagePath)
{
    return Call("rzConfigNetWriteFGPA").in("handle", handle).image("imagePath", imagePath).made([=] {
        return ::rzConfigNetWriteFGPA(handle, imagePath);
    });
}

int RecordedLibrary::rzConfigNetPreset(int handle)
{
    return Call("rzConfigNetPreset").in("handle", handle).made([=] { return ::rzConfigNetPreset(handle); });
}
