#ifndef RECORDEDLIBRARY_H
#define RECORDEDLIBRARY_H

#include "device/rz_api.h"

// The device library's calls as the families make them: each the library's
// own, recorded by CallRecorder when recording is on. The library's version
// is not among them: it heads the recording.
class RecordedLibrary
{
public:
    static int rzOpenDevice(int* handle);
    static int rzCloseDevice(int handle);
    static int rzGetDeviceInfo(int handle, RzDeviceType* type, int* serial);
    static int rzGetFirmwareVersion(int handle, int* boot, int* run, int* fpga);

    static int rzConfigUSBOpenDevice(int* handle);
    static int rzConfigUSBOpenDeviceBySerial(int* handle, int serial);
    static int rzConfigUSBBootstrapDevice(int* handle, const char* bootImagePath);
    static int rzConfigUSBGetDeviceSerial(int handle, int* serial);
    static int rzConfigUSBGetDeviceType(int handle, RzDeviceType* type);
    static int rzConfigUSBGetSerialFromFlash(int handle, int* serial);
    static int rzConfigUSBCloseDevice(int handle);
    static int rzConfigUSBClearBootSector(int handle);
    static int rzConfigUSBWriteBootSector(int handle, const char* imagePath, int serial);
    static int rzConfigUSBClearRunSector(int handle);
    static int rzConfigUSBWriteRunSector(int handle, const char* imagePath, int serial);
    static int rzConfigUSBClearFPGAProgram(int handle, double* progress);
    static int rzConfigUSBWriteFPGAProgram(int handle, const char* imagePath, double* progress);

    static int rzConfigNetGetDeviceList(int* serials, int* count);
    static int rzConfigNetOpenDevice(int* handle, int serial);
    static int rzConfigNetBootstrapDevice(int* handle, const char* bootImagePath);
    static int rzConfigNetGetSerialFromFlash(int handle, int* serial);
    static int rzConfigNetGetFirmwareVersion(int handle, int* firmwareNumber);
    static int rzConfigNetGetFPGAStatus(int handle, int* state);
    static int rzConfigNetCloseDevice(int handle);
    static int rzConfigNetClearFx3(int handle);
    static int rzConfigNetWriteFx3(int handle, const char* imagePath, int serial);
    static int rzConfigNetClearFPGA(int handle);
    static int rzConfigNetWriteFGPA(int handle, const char* imagePath);
    static int rzConfigNetPreset(int handle);
};

#endif
