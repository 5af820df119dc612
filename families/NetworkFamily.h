#ifndef NETWORKFAMILY_H
#define NETWORKFAMILY_H

#include "families/DeviceFamily.h"

// The device library's network configuration family: instruments found
// through its listing and opened by the serial number it gives, with one FX3
// image and an FPGA configuration, and a preset once written.
class NetworkFamily : public DeviceFamily
{
public:
    NetworkFamily();

    Opened openForUpdate(int* handle, int serial, int type, QString* line) const override;
    Opened openForRestore(int* handle, int serial, int type, const char* bootImage, QString* line) const override;
    void finishUpdate(int handle) const override;
    void finishRestore(int handle) const override;

private:
    // The first serial number the listing gives; `count`, how many it found.
    static int firstListedSerial(int* count);
};

#endif
