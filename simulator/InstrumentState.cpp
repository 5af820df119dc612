#include "simulator/InstrumentState.h"

#include "catalogue/Catalogue.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace {

const char* const apiCalls[] = {
    "rzOpenDevice", "rzCloseDevice", "rzGetDeviceInfo", "rzGetFirmwareVersion",
    "rzConfigUSBOpenDevice", "rzConfigUSBOpenDeviceBySerial", "rzConfigUSBBootstrapDevice",
    "rzConfigUSBGetDeviceSerial", "rzConfigUSBGetDeviceType", "rzConfigUSBGetSerialFromFlash",
    "rzConfigUSBCloseDevice", "rzConfigUSBClearBootSector", "rzConfigUSBWriteBootSector",
    "rzConfigUSBClearRunSector", "rzConfigUSBWriteRunSector", "rzConfigUSBClearFPGAProgram",
    "rzConfigUSBWriteFPGAProgram", "rzConfigNetGetDeviceList", "rzConfigNetOpenDevice",
    "rzConfigNetBootstrapDevice", "rzConfigNetGetSerialFromFlash", "rzConfigNetGetFirmwareVersion",
    "rzConfigNetGetFPGAStatus", "rzConfigNetCloseDevice", "rzConfigNetClearFx3", "rzConfigNetWriteFx3",
    "rzConfigNetClearFPGA", "rzConfigNetWriteFGPA", "rzConfigNetPreset",
};

// Reads an integer member; absent keeps *value. False when present but not
// an integer within [minimum, INT_MAX].
bool readInt(const QJsonObject& json, const char* key, int* value, int minimum = 0)
{
    const QJsonValue member = json.value(QLatin1String(key));
    if (member.isUndefined())
        return true;
    const double number = member.toDouble(-1e300);
    if (!member.isDouble() || number != std::floor(number) || number < minimum || number > 2147483647.0)
        return false;
    *value = int(number);
    return true;
}

bool readBool(const QJsonObject& json, const char* key, bool* value)
{
    const QJsonValue member = json.value(QLatin1String(key));
    if (member.isUndefined())
        return true;
    if (!member.isBool())
        return false;
    *value = member.toBool();
    return true;
}

bool readCall(const QJsonObject& json, QString* call)
{
    *call = json.value(QLatin1String("call")).toString();
    return InstrumentState::isKnownCall(*call);
}

bool readModel(const QJsonValue& value, int* model)
{
    *model = value.isString() ? modelFromName(value.toString()) : value.isDouble() ? value.toInt(-1) : -1;
    return isKnownModel(*model);
}

QJsonObject timingToJson(const InstrumentState::Timing& timing)
{
    return QJsonObject{{"clearMs", timing.clearMs},
                       {"writeMs", timing.writeMs},
                       {"fpgaClearMs", timing.fpgaClearMs},
                       {"fpgaWriteMs", timing.fpgaWriteMs}};
}

bool timingFromJson(const QJsonObject& json, InstrumentState::Timing* timing)
{
    return readInt(json, "clearMs", &timing->clearMs) && readInt(json, "writeMs", &timing->writeMs)
           && readInt(json, "fpgaClearMs", &timing->fpgaClearMs)
           && readInt(json, "fpgaWriteMs", &timing->fpgaWriteMs);
}

QJsonObject faultToJson(const InstrumentState::Fault& fault)
{
    return QJsonObject{{"call", fault.call},     {"status", fault.status}, {"onCall", fault.onCall},
                       {"calls", fault.calls},   {"repeat", fault.repeat}};
}

bool faultFromJson(const QJsonObject& json, InstrumentState::Fault* fault)
{
    return readCall(json, &fault->call) && json.contains(QLatin1String("status"))
           && readInt(json, "status", &fault->status, std::numeric_limits<int>::min()) && fault->status != 0
           && readInt(json, "onCall", &fault->onCall, 1)
           && readInt(json, "calls", &fault->calls) && readBool(json, "repeat", &fault->repeat);
}

bool triggerFromJson(const QJsonObject& json, InstrumentState::CallTrigger* trigger)
{
    return readCall(json, &trigger->call) && readInt(json, "onCall", &trigger->onCall, 1)
           && readInt(json, "calls", &trigger->calls);
}

QJsonObject partToJson(const InstrumentState::Part& part)
{
    return QJsonObject{{"valid", part.valid}, {"version", part.version}};
}

bool partFromJson(const QJsonValue& value, InstrumentState::Part* part)
{
    if (value.isUndefined())
        return true;
    const QJsonObject json = value.toObject();
    return value.isObject() && readBool(json, "valid", &part->valid) && readInt(json, "version", &part->version);
}

} // namespace

QString InstrumentState::filePath()
{
    const QString path = qEnvironmentVariable("RZ_SIM_DEVICE");
    return inStartFolder(path.isEmpty() ? QStringLiteral("rzsim-device.json") : path);
}

// Taken when the library is loaded: a program may change its working folder
// later (the updater does, while the library reads images), and the
// instrument stays where it was.
QString InstrumentState::inStartFolder(const QString& path)
{
    static const QString startFolder = QDir::currentPath();
    return QDir(startFolder).absoluteFilePath(path);
}

namespace {

const QString loadedIn = InstrumentState::inStartFolder(QString());

} // namespace

bool InstrumentState::isKnownCall(const QString& call)
{
    for (const char* known : apiCalls) {
        if (call == QLatin1String(known))
            return true;
    }
    return false;
}

InstrumentState InstrumentState::release(int model, int serial)
{
    InstrumentState state;
    state.model = model;
    state.serial = serial;
    state.flashSerial = serial;
    const FirmwareVersion version = targetVersion(model);
    for (int index = 0; index < componentCount; ++index) {
        const auto component = Component(index);
        // An RZ610T has no run component; its record stays valid so that only
        // FX3 and FPGA decide how it answers.
        const bool present = modelHasComponent(model, component);
        state.part(component) = Part{true, present ? versionOf(version, component) : 0};
    }
    return state;
}

InstrumentState::LoadResult InstrumentState::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("no instrument: cannot read %1").arg(path);
        return LoadResult::Missing;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        *error = QStringLiteral("%1 is not a JSON object: %2").arg(path, parseError.errorString());
        return LoadResult::Malformed;
    }
    return fromJson(document.object(), error) ? LoadResult::Loaded : LoadResult::Malformed;
}

bool InstrumentState::save(const QString& path, QString* error) const
{
    // Temporary file and rename: an interrupted run never leaves a torn file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(toJson()).toJson()) < 0
        || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QJsonObject InstrumentState::toJson() const
{
    QJsonObject components;
    for (int index = 0; index < componentCount; ++index) {
        const auto component = Component(index);
        if (modelHasComponent(model, component))
            components.insert(componentName(model, component), partToJson(part(component)));
    }
    QJsonArray faultList;
    for (const Fault& fault : faults)
        faultList.append(faultToJson(fault));
    QJsonObject json{{"model", deviceTypeName(model)}, {"serial", serial},         {"flashSerial", flashSerial},
                     {"components", components},       {"unplugged", unplugged}, {"timing", timingToJson(timing)},
                     {"faults", faultList},            {"listedCount", listedCount}};
    if (reportedType >= 0)
        json.insert("reportedType", reportedType);
    if (bootstrapPid != 0)
        json.insert("bootstrap", QJsonObject{{"pid", bootstrapPid}, {"version", bootstrapVersion}});
    if (!unplugAfter.call.isEmpty())
        json.insert("unplugAfter",
                    QJsonObject{{"call", unplugAfter.call}, {"onCall", unplugAfter.onCall}, {"calls", unplugAfter.calls}});
    if (!stall.call.isEmpty())
        json.insert("stall", QJsonObject{{"call", stall.call}, {"onCall", stall.onCall}, {"calls", stall.calls}});
    return json;
}

bool InstrumentState::fromJson(const QJsonObject& json, QString* error)
{
    int readModelValue = -1;
    if (!readModel(json.value("model"), &readModelValue) || !json.value("serial").isDouble()) {
        *error = QStringLiteral("the instrument needs a known model and a serial");
        return false;
    }
    *this = release(readModelValue, 0);
    flashSerial = -1;
    if (!readInt(json, "serial", &serial) || !readInt(json, "flashSerial", &flashSerial)
        || !readBool(json, "unplugged", &unplugged) || !readInt(json, "listedCount", &listedCount, 1)
        || !readInt(json, "reportedType", &reportedType)) {
        *error = QStringLiteral("serial, flashSerial, reportedType, unplugged or listedCount is malformed");
        return false;
    }
    if (flashSerial < 0)
        flashSerial = serial;
    const QJsonObject components = json.value("components").toObject();
    for (int index = 0; index < componentCount; ++index) {
        const auto component = Component(index);
        if (modelHasComponent(model, component)
            && !partFromJson(components.value(componentName(model, component)), &part(component))) {
            *error = QStringLiteral("component %1 is malformed").arg(componentName(model, component));
            return false;
        }
    }
    const QJsonObject bootstrap = json.value("bootstrap").toObject();
    bootstrapPid = qint64(bootstrap.value("pid").toDouble(0));
    bootstrapVersion = bootstrap.value("version").toInt(0);
    if (!timingFromJson(json.value("timing").toObject(), &timing)) {
        *error = QStringLiteral("timing is malformed");
        return false;
    }
    const QJsonValue trigger = json.value("unplugAfter");
    if (!trigger.isUndefined() && !trigger.isNull() && !triggerFromJson(trigger.toObject(), &unplugAfter)) {
        *error = QStringLiteral("unplugAfter is malformed");
        return false;
    }
    const QJsonValue stallTrigger = json.value("stall");
    if (!stallTrigger.isUndefined() && !stallTrigger.isNull() && !triggerFromJson(stallTrigger.toObject(), &stall)) {
        *error = QStringLiteral("stall is malformed");
        return false;
    }
    const QJsonArray faultList = json.value("faults").toArray();
    for (const QJsonValue& value : faultList) {
        Fault fault;
        if (!faultFromJson(value.toObject(), &fault)) {
            *error = QStringLiteral("a fault is malformed");
            return false;
        }
        faults.append(fault);
    }
    return true;
}

InstrumentState::Answer InstrumentState::answer(qint64 pid) const
{
    if (unplugged)
        return Answer::Nothing;
    const bool programsValid = part(Component::Run).valid && part(Component::Fpga).valid;
    if (part(Component::Boot).valid)
        return programsValid ? Answer::Operational : Answer::BootMode;
    return isBootstrappedBy(pid) ? Answer::BootMode : Answer::AwaitingBootstrap;
}

int InstrumentState::takeFault(const QString& call)
{
    int status = 0;
    for (Fault& fault : faults) {
        if (fault.call != call)
            continue;
        ++fault.calls;
        const bool fires = fault.repeat ? fault.calls >= fault.onCall : fault.calls == fault.onCall;
        if (fires && status == 0)
            status = fault.status;
    }
    return status;
}

bool InstrumentState::takeUnplugTrigger(const QString& call)
{
    if (unplugAfter.call != call)
        return false;
    return ++unplugAfter.calls == unplugAfter.onCall;
}

bool InstrumentState::takeStall(const QString& call)
{
    if (stall.call != call)
        return false;
    return ++stall.calls == stall.onCall;
}

void InstrumentState::unplug()
{
    unplugged = true;
    bootstrapPid = 0;
    bootstrapVersion = 0;
}

void InstrumentState::plug()
{
    unplugged = false;
    unplugAfter = CallTrigger();
    stall = CallTrigger();
}
