#include "families/DeviceFamily.h"

namespace {

const DeviceFamily* replacements[2] = {nullptr, nullptr};

} // namespace

DeviceFamily::DeviceFamily(Calls calls, std::vector<ComponentCalls> components)
    : calls(std::move(calls)), components(std::move(components))
{
}

const DeviceFamily& DeviceFamily::of(int deviceType)
{
    const Model* model = ModelTable::find(deviceType);
    const Connection connection = model ? model->connection : Connection::Usb;
    if (const DeviceFamily* replacement = replacements[int(connection)])
        return *replacement;
    return connection == Connection::Network ? network() : usb();
}

void DeviceFamily::replace(Connection connection, const DeviceFamily* family)
{
    replacements[int(connection)] = family;
}

const ComponentCalls* DeviceFamily::component(const QString& name) const
{
    for (const ComponentCalls& row : components) {
        if (row.component == name)
            return &row;
    }
    return nullptr;
}

DeviceFamily::Opened DeviceFamily::openForUpdate(int* handle, int serial, int type, QString* line) const
{
    return calls.openForUpdate(handle, serial, type, line);
}

DeviceFamily::Opened DeviceFamily::openForRestore(int* handle, int serial, int type, const char* bootImage,
                                                  QString* line) const
{
    return calls.openForRestore(handle, serial, type, bootImage, line);
}

bool DeviceFamily::bootstrap(const char* bootImage, int* serial) const
{
    int handle = -1;
    const bool bootstrapped = calls.bootstrap(&handle, bootImage) == 0 && calls.serialFromFlash(handle, serial) == 0;
    calls.close(handle);
    return bootstrapped;
}
