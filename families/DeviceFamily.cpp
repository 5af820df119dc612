#include "families/DeviceFamily.h"

#include "device/rz_api.h"
#include "families/CallRecorder.h"
#include "families/FamilyList.h"
#include "families/LibraryThread.h"

#include <map>

namespace {

std::map<Connection, const DeviceFamily*> replacements;

} // namespace

DeviceFamily::DeviceFamily(Calls calls, std::vector<ComponentCalls> components, Connection connection,
                           std::vector<Probe> probes)
    : calls(std::move(calls)), components(std::move(components)), connection(connection), probes(std::move(probes))
{
}

std::vector<const DeviceFamily*> DeviceFamily::families()
{
    std::vector<const DeviceFamily*> list = FamilyList::families();
    for (const DeviceFamily*& family : list) {
        const auto replacement = replacements.find(family->connection);
        if (replacement != replacements.end() && replacement->second)
            family = replacement->second;
    }
    return list;
}

const DeviceFamily& DeviceFamily::of(int deviceType)
{
    const Model* model = ModelTable::find(deviceType);
    const Connection connection = model ? model->connection : Connection::Usb;
    for (const DeviceFamily* family : families()) {
        if (family->connection == connection)
            return *family;
    }
    return FamilyList::fallback();
}

DeviceFamily::Replacement::Replacement(Connection connection, const DeviceFamily& family)
    : connection(connection), previous(replacements[connection])
{
    replacements[connection] = &family;
}

DeviceFamily::Replacement::~Replacement()
{
    replacements[connection] = previous;
}

DeviceState DeviceFamily::detect(const LineSink& say)
{
    const LineSink answering = [say](const OperatorText& line) {
        if (!LibraryThread::abandoned())
            say(line);
    };
    DeviceState found;
    for (const DeviceFamily* family : families()) {
        for (const Probe& probe : family->probes) {
            if (probe.detect(found, answering))
                return LibraryThread::abandoned() ? DeviceState() : found;
            for (const OperatorText& line : probe.unanswered)
                answering(line);
        }
    }
    return DeviceState();
}

QString DeviceFamily::libraryVersion()
{
    const char* version = nullptr;
    // The text is the library's own, not the call's: it outlives the call.
    LibraryThread::query(QT_TRANSLATE_NOOP("OperatorText", "asking the device library its version"), &version,
                         [](const char*& named) {
                             named = rzGetAPIVersion();
                             return 0;
                         });
    const QString named = QString::fromLocal8Bit(version ? version : "");
    CallRecorder::begin(named);
    return named;
}

const ComponentCalls* DeviceFamily::component(const QString& name) const
{
    for (const ComponentCalls& row : components) {
        if (row.component == name)
            return &row;
    }
    return nullptr;
}

OperatorText DeviceFamily::unwrittenComponent()
{
    for (const Model& model : ModelTable::models()) {
        for (const ModelComponent& component : model.components) {
            if (!of(model.deviceType).component(component.name))
                return OperatorText::tr("This build cannot update the %1: no calls of the device library write its %2 "
                                        "image.")
                    .arg(model.name)
                    .arg(component.name);
        }
    }
    return OperatorText();
}

DeviceFamily::Opened DeviceFamily::openForUpdate(OpenedInstrument& instrument, Identity checked, OperatorText* line) const
{
    return calls.openForUpdate(instrument, checked, line);
}

DeviceFamily::Opened DeviceFamily::openForRestore(OpenedInstrument& instrument, Identity checked,
                                                  const char* bootImage, OperatorText* line) const
{
    return calls.openForRestore(instrument, checked, bootImage, line);
}

// Closed after a failed bootstrap too.
bool DeviceFamily::bootstrap(const char* bootImage, int* serial) const
{
    OpenedInstrument instrument(calls.close);
    instrument.closeWhenDone();
    return calls.bootstrap(instrument, bootImage) == 0
           && calls.serialFromFlash(instrument.handle(), serial) == 0;
}
