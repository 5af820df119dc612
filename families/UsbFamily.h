#ifndef USBFAMILY_H
#define USBFAMILY_H

#include "families/DeviceFamily.h"

// The device library's USB configuration family: instruments opened by
// serial number or as the one waiting in its boot loader, with a boot image,
// a run image and an FPGA configuration.
class UsbFamily : public DeviceFamily
{
public:
    UsbFamily();

    Opened openForUpdate(int* handle, int serial, int type, QString* line) const override;
    Opened openForRestore(int* handle, int serial, int type, const char* bootImage, QString* line) const override;
    void finishUpdate(int handle) const override;
    void finishRestore(int handle) const override;
};

#endif
