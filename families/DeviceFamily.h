#ifndef DEVICEFAMILY_H
#define DEVICEFAMILY_H

#include "catalogue/ModelTable.h"
#include "families/ComponentCalls.h"

#include <QString>

#include <vector>

// One configuration family of the device library, the calls that reach the
// models the catalogue assigns to it: opening an instrument and telling that
// it is the one checked, bootstrapping one that answers nothing, and the
// clear and write of each component. The workers build their steps from the
// catalogue's components through it.
class DeviceFamily
{
public:
    enum class Opened { Yes, Failed, NotChecked };

    virtual ~DeviceFamily() = default;

    // The family of the catalogue's model of this type; the USB family for a
    // type outside the catalogue, which nothing writes.
    static const DeviceFamily& of(int deviceType);
    // Tests put an in-process family in place of the device library's; null
    // puts the library's back.
    static void replace(Connection connection, const DeviceFamily* family);

    // Null for a component the family does not write.
    const ComponentCalls* component(const QString& name) const;

    // The checked instrument (serial number and type), opened for an update.
    // `*line` says why not when it could not be opened.
    virtual Opened openForUpdate(int* handle, int serial, int type, QString* line) const = 0;
    // The instrument in its boot loader, opened for a restore, bootstrapped
    // with `bootImage` first where it does not answer.
    virtual Opened openForRestore(int* handle, int serial, int type, const char* bootImage, QString* line) const = 0;
    // After the last component, whose writes succeeded.
    virtual void finishUpdate(int handle) const = 0;
    virtual void finishRestore(int handle) const = 0;

    // Loads a boot image into an instrument that answers nothing, reads its
    // serial number from flash, and closes it again.
    bool bootstrap(const char* bootImage, int* serial) const;

protected:
    // The family's own bootstrap, serial-from-flash and close calls.
    struct BootstrapCalls
    {
        int (*bootstrap)(int* handle, const char* bootImage);
        int (*serialFromFlash)(int handle, int* serial);
        int (*close)(int handle);
    };

    DeviceFamily(std::vector<ComponentCalls> components, BootstrapCalls bootstrapCalls);

private:
    std::vector<ComponentCalls> components;
    BootstrapCalls bootstrapCalls;
};

#endif
