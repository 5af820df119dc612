#ifndef MODELTABLE_H
#define MODELTABLE_H

#include "catalogue/FirmwareVersion.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// How the device library reaches a model: its USB configuration family, or
// its network configuration family.
enum class Connection { Usb, Network };

// One firmware component of a model, as this release writes it.
struct ModelComponent
{
    QString name;                  // "boot", "run", "fx3" or "fpga": as records name it
    QString imageName;             // in the firmware folder, %1 for the version
    int FirmwareVersion::*version; // the field that names the image and is compared

    // The image of this component at the record's version of it, in the
    // firmware folder.
    std::string imagePath(const FirmwareVersion& record) const;
};

// Everything this release knows about one model without asking it. A model
// is one row of the table in ModelTable.cpp; nothing else names it.
struct Model
{
    int deviceType;
    QString name;
    Connection connection;
    QString cable; // how the operator connects it: "USB 3.0"
    FirmwareVersion target;
    std::vector<ModelComponent> components; // in the order they are written
};

class ModelTable
{
public:
    static const std::vector<Model>& models();
    // Null for a type or name outside the table.
    static const Model* find(int deviceType);
    static const Model* named(const QString& name);
    // The first model reached through the network family, for an instrument
    // the network listing found.
    static const Model* networkModel();
    // "RZ610R|RZ610S|...", or with another separator.
    static QString names(const QString& separator);
    // The folder every image path of this release points into, relative
    // to the working folder: "./firmware".
    static QString firmwareFolder();
};

#endif
