#include "families/DeviceFamily.h"

#include "families/NetworkFamily.h"
#include "families/UsbFamily.h"

namespace {

const DeviceFamily* replacements[2] = {nullptr, nullptr};

} // namespace

const DeviceFamily& DeviceFamily::of(int deviceType)
{
    static const UsbFamily usb;
    static const NetworkFamily network;
    const Model* model = ModelTable::find(deviceType);
    const Connection connection = model ? model->connection : Connection::Usb;
    if (const DeviceFamily* replacement = replacements[int(connection)])
        return *replacement;
    return connection == Connection::Network ? static_cast<const DeviceFamily&>(network) : usb;
}

void DeviceFamily::replace(Connection connection, const DeviceFamily* family)
{
    replacements[int(connection)] = family;
}

DeviceFamily::DeviceFamily(std::vector<ComponentCalls> components, BootstrapCalls bootstrapCalls)
    : components(std::move(components)), bootstrapCalls(bootstrapCalls)
{
}

bool DeviceFamily::bootstrap(const char* bootImage, int* serial) const
{
    int handle = -1;
    const bool bootstrapped = bootstrapCalls.bootstrap(&handle, bootImage) == 0
                              && bootstrapCalls.serialFromFlash(handle, serial) == 0;
    bootstrapCalls.close(handle);
    return bootstrapped;
}

const ComponentCalls* DeviceFamily::component(const QString& name) const
{
    for (const ComponentCalls& calls : components) {
        if (calls.component == name)
            return &calls;
    }
    return nullptr;
}
