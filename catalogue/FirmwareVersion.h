#ifndef FIRMWAREVERSION_H
#define FIRMWAREVERSION_H

#include <QString>
#include <string>

// The firmware of one instrument: its model and the versions of its three
// components. The image paths are chosen by the record's own device type.
struct FirmwareVersion
{
    int deviceType = 0;
    int bootVersion = 0;
    int runVersion = 0;
    int fpgaVersion = 0;

    // "boot.run.fpga", for example 4.5.10.
    QString versionString() const;

    // Image names relative to the working directory, empty where the model
    // has no such image (an unknown device type, the run image of an RZ610T).
    std::string bootImagePath() const;
    std::string runImagePath() const;
    std::string fpgaImagePath() const;

    bool operator==(const FirmwareVersion& other) const;
    bool operator!=(const FirmwareVersion& other) const { return !(*this == other); }
};

#endif
