#include "simulator/tool/SimTool.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ChecksumList.h"
#include "catalogue/ModelTable.h"
#include "catalogue/PrintableText.h"
#include "catalogue/release/SignedRelease.h"
#include "simulator/FirmwareImage.h"
#include "simulator/Recording.h"
#include "simulator/tool/SigningKey.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QMap>
#include <QSaveFile>

#include <cstdio>
#include <limits>

namespace {

const char usage[] = "Commands:\n"
                     "  device  create the simulated instrument (--model, --serial, ...)\n"
                     "  show    describe the instrument\n"
                     "  firmware DIR  write this release's images (and --image ones) into DIR, with their\n"
                     "                SHA256SUMS and its signature SHA256SUMS.minisig (by --key)\n"
                     "  keygen DIR    make a key pair to sign firmware with: DIR/rzsim.key, DIR/rzsim.pub\n"
                     "  plug    plug the instrument back in\n"
                     "  unplug  unplug the instrument\n"
                     "  replay FILE   summarize a recording of the device library's calls (RZ_API_RECORD)";

const char* const componentOptions[] = {"boot", "run", "fpga", "fx3"};

// What the trusted comment of a simulated release says.
const char releaseComment[] = "RZ610/RZ870 simulated firmware, signed by rzsim";

QString answerText(const InstrumentState& state)
{
    using Answer = InstrumentState::Answer;
    if (state.unplugged)
        return QStringLiteral("not at all (unplugged)");
    // A new process sees the instrument as it is in flash: a bootstrap
    // lives only as long as the process that made it.
    switch (state.answer(0)) {
    case Answer::Operational:
        return isNetworkModel(state.model) ? QStringLiteral("operational (listed on the network)")
                                           : QStringLiteral("operational (plain and USB configuration calls)");
    case Answer::BootMode:
        return isNetworkModel(state.model) ? QStringLiteral("boot mode (listed on the network, FPGA failed to load)")
                                           : QStringLiteral("boot mode (USB configuration calls only)");
    case Answer::AwaitingBootstrap:
        return QStringLiteral("not at all until bootstrapped");
    case Answer::Nothing:
        break;
    }
    return QStringLiteral("not at all");
}

// Both are durations, 0 or more.
qint64 saturatedSum(qint64 a, qint64 b)
{
    return b > std::numeric_limits<qint64>::max() - a ? std::numeric_limits<qint64>::max() : a + b;
}

std::string catalogueImagePath(int model, Component component, int version)
{
    const ModelComponent* part = modelComponent(model, component);
    return part ? part->imagePath(FirmwareVersion{model, version, version, version}) : std::string();
}

} // namespace

SimTool::SimTool() : m_out(stdout), m_err(stderr)
{
    addOptions();
}

void SimTool::addOptions()
{
    m_parser.setApplicationDescription(QStringLiteral("Simulated instrument for the firmware updater.\n") + usage);
    m_parser.addHelpOption();
    m_parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("device, show, firmware, plug or unplug"));
    m_parser.addOptions({
        {"file", "The instrument's state file (default: $RZ_SIM_DEVICE, else ./rzsim-device.json).", "path"},
        {"model", "device: RZ610R, RZ610S, RZ610T or RZ870S.", "model"},
        {"serial", "device: the serial number on the label.", "serial"},
        {"flash-serial", "device: the serial held in flash, if not the label's.", "serial"},
        {"boot", "device: boot version (USB models).", "version"},
        {"run", "device: run version (USB models).", "version"},
        {"fpga", "device: FPGA version.", "version"},
        {"fx3", "device: FX3 version (RZ610T).", "version"},
        {"invalid", "device: comma-separated components left invalid, e.g. boot,run.", "components"},
        {"fault", "device: CALL fails with STATUS on its Nth call (default 1), on every later one too with "
                  ":repeat. Repeatable.",
         "CALL:STATUS[:N[:repeat]]"},
        {"unplug-after", "device: unplug once CALL completes for the Nth time (default 1).", "CALL[:N]"},
        {"stall", "device: the Nth call of CALL (default 1) never returns, until plug.", "CALL[:N]"},
        {"clear-ms", "device: duration of a clear.", "ms"},
        {"write-ms", "device: duration of a write or bootstrap.", "ms"},
        {"fpga-clear-ms", "device: duration of an FPGA clear.", "ms"},
        {"fpga-write-ms", "device: duration of an FPGA write.", "ms"},
        {"fast", "device: every operation takes no time."},
        {"reported-type", "device: the device type the instrument reports, if not its model's.", "type"},
        {"listed-count", "device: instruments the network listing reports; the others never open.", "n"},
        {"image", "firmware: also write this image. Repeatable.", "MODEL:COMPONENT:VERSION"},
        {"key", "firmware: the secret key to sign with (default: $RZ_SIM_KEY; one of the two is needed).", "path"},
    });
}

int SimTool::run(const QStringList& arguments)
{
    if (!m_parser.parse(arguments))
        return exitWith(m_parser.errorText(), 2);
    if (m_parser.isSet(QStringLiteral("help"))) {
        m_out << m_parser.helpText();
        return 0;
    }
    const QStringList positional = m_parser.positionalArguments();
    const QString command = positional.value(0);
    const int expectedCount = command == QLatin1String("firmware") || command == QLatin1String("keygen")
                                      || command == QLatin1String("replay")
                                  ? 2
                                  : 1;
    if (positional.size() != expectedCount) {
        m_err << usage << '\n';
        return exitWith(command.isEmpty() ? QStringLiteral("no command given")
                                          : QStringLiteral("wrong arguments for %1").arg(command),
                        2);
    }
    if (command == QLatin1String("device"))
        return createDevice();
    if (command == QLatin1String("show"))
        return show();
    if (command == QLatin1String("firmware"))
        return writeFirmware(positional.at(1));
    if (command == QLatin1String("keygen"))
        return makeSigningKey(positional.at(1));
    if (command == QLatin1String("plug") || command == QLatin1String("unplug"))
        return setPlugged(command == QLatin1String("plug"));
    if (command == QLatin1String("replay"))
        return summarizeRecording(positional.at(1));
    m_err << usage << '\n';
    return exitWith(QStringLiteral("unknown command %1").arg(command), 2);
}

int SimTool::createDevice()
{
    const int model = modelFromName(m_parser.value(QStringLiteral("model")));
    if (model < 0)
        return exitWith(QStringLiteral("--model must be one of ") + ModelTable::names(QStringLiteral(", ")), 2);
    int serial = -1;
    if (!intOption(QStringLiteral("serial"), &serial))
        return 2;
    if (serial < 0)
        return exitWith(QStringLiteral("--serial is required"), 2);
    InstrumentState state = InstrumentState::release(model, serial);
    if (!intOption(QStringLiteral("flash-serial"), &state.flashSerial)
        || !intOption(QStringLiteral("listed-count"), &state.listedCount, 1)
        || !intOption(QStringLiteral("reported-type"), &state.reportedType) || !applyComponents(&state)
        || !applyFaults(&state) || !applyTiming(&state))
        return 2;
    if (!saveState(state))
        return 1;
    return show();
}

int SimTool::show()
{
    InstrumentState state;
    if (!loadState(&state))
        return 1;
    m_out << "Model:        " << deviceTypeName(state.model) << " (device type " << state.model << ")\n"
          << "Serial:       " << state.serial << '\n'
          << "Flash serial: " << state.flashSerial << '\n';
    if (state.reportedType >= 0)
        m_out << "Reports type: " << state.reportedType << '\n';
    showComponents(state);
    m_out << "Answers:      " << answerText(state) << '\n';
    if (isNetworkModel(state.model) && state.listedCount != 1)
        m_out << "Listed:       " << state.listedCount << " instruments, only the first opens\n";
    if (state.bootstrapPid != 0)
        m_out << "Bootstrapped: by process " << state.bootstrapPid << " (only it sees the boot loader running)\n";
    const InstrumentState::Timing& timing = state.timing;
    m_out << QStringLiteral("Timing:       clear %1 ms, write %2 ms, FPGA clear %3 ms, FPGA write %4 ms\n")
                 .arg(timing.clearMs)
                 .arg(timing.writeMs)
                 .arg(timing.fpgaClearMs)
                 .arg(timing.fpgaWriteMs);
    showFaults(state);
    return 0;
}

void SimTool::showComponents(const InstrumentState& state)
{
    for (int index = 0; index < componentCount; ++index) {
        const auto component = Component(index);
        if (!modelHasComponent(state.model, component))
            continue;
        const InstrumentState::Part& part = state.part(component);
        m_out << QStringLiteral("%1 %2, version %3\n")
                     .arg(componentName(state.model, component) + ':', -13)
                     .arg(part.valid ? "valid" : "invalid")
                     .arg(part.version);
    }
}

void SimTool::showFaults(const InstrumentState& state)
{
    for (const InstrumentState::Fault& fault : state.faults)
        m_out << QStringLiteral("Fault:        %1 returns %2 on call %3%4 (%5 calls so far)\n")
                     .arg(fault.call)
                     .arg(fault.status)
                     .arg(fault.onCall)
                     .arg(fault.repeat ? " and after" : "")
                     .arg(fault.calls);
    if (!state.unplugAfter.call.isEmpty())
        m_out << QStringLiteral("Unplug after: %1, call %2 (%3 calls so far)\n")
                     .arg(state.unplugAfter.call)
                     .arg(state.unplugAfter.onCall)
                     .arg(state.unplugAfter.calls);
    if (!state.stall.call.isEmpty())
        m_out << QStringLiteral("Stall:        %1, call %2 never returns (%3 calls so far)\n")
                     .arg(state.stall.call)
                     .arg(state.stall.onCall)
                     .arg(state.stall.calls);
}

int SimTool::writeFirmware(const QString& folder)
{
    QVector<FirmwareImage> images;
    for (const Model& model : ModelTable::models()) {
        for (int index = 0; index < componentCount; ++index) {
            const auto component = Component(index);
            if (modelHasComponent(model.deviceType, component))
                images.append(FirmwareImage(model.deviceType, component, versionOf(model.target, component)));
        }
    }
    // Every request is checked before anything is written.
    if (!requestedImages(&images))
        return 2;
    // No key of its own: an installed rzsim knows no build's key, and a path
    // compiled in would name a folder that exists only where it was built.
    const QString keyPath = m_parser.isSet(QStringLiteral("key")) ? m_parser.value(QStringLiteral("key"))
                                                                  : qEnvironmentVariable("RZ_SIM_KEY");
    if (keyPath.isEmpty())
        return exitWith(QStringLiteral("no signing key: name one with --key or RZ_SIM_KEY"), 2);
    QString reason;
    const std::optional<SigningKey> key = SigningKey::load(keyPath, &reason);
    if (!key)
        return exitWith(reason, 1);
    if (!QDir().mkpath(folder))
        return exitWith(QStringLiteral("cannot create %1").arg(folder), 1);
    // Images written before, by another run, keep their entries.
    ChecksumList checksums;
    checksums.load(folder);
    for (const FirmwareImage& image : qAsConst(images)) {
        if (!writeImage(folder, image, &checksums))
            return 1;
    }
    if (!checksums.save(folder))
        return exitWith(QStringLiteral("cannot write %1").arg(QDir(folder).filePath(ChecksumList::fileName())), 1);
    return signList(folder, *key) ? 0 : 1;
}

int SimTool::makeSigningKey(const QString& folder)
{
    QString reason;
    const std::optional<SigningKey> key = SigningKey::generate(&reason);
    if (!key || !key->save(folder, &reason))
        return exitWith(reason, 1);
    m_out << QDir(folder).filePath(SigningKey::secretFileName()) << '\n'
          << QDir(folder).filePath(SigningKey::publicFileName()) << '\n';
    return 0;
}

// Signs the list as written, byte for byte.
bool SimTool::signList(const QString& folder, const SigningKey& key)
{
    const QDir dir(folder);
    QFile list(dir.filePath(ChecksumList::fileName()));
    QSaveFile signature(dir.filePath(SignedRelease::signatureFileName()));
    if (!list.open(QIODevice::ReadOnly) || !signature.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot sign %1").arg(list.fileName()));
    signature.write(key.signatureFile(list.readAll(), releaseComment));
    if (!signature.commit())
        return fail(QStringLiteral("cannot write %1").arg(signature.fileName()));
    return true;
}

int SimTool::setPlugged(bool plugged)
{
    InstrumentState state;
    if (!loadState(&state))
        return 1;
    if (plugged)
        state.plug();
    else
        state.unplug();
    return saveState(state) ? 0 : 1;
}

bool SimTool::applyComponents(InstrumentState* state)
{
    for (const char* option : componentOptions) {
        const QString name = QLatin1String(option);
        Component component;
        if (!m_parser.isSet(name))
            continue;
        if (!componentFromName(state->model, name, &component))
            return fail(QStringLiteral("%1 has no %2 component").arg(deviceTypeName(state->model), name));
        if (!intOption(name, &state->part(component).version))
            return false;
    }
    const QStringList invalid = m_parser.value(QStringLiteral("invalid")).split(',', Qt::SkipEmptyParts);
    for (const QString& name : invalid) {
        Component component;
        if (!componentFromName(state->model, name.trimmed(), &component))
            return fail(QStringLiteral("--invalid: %1 has no %2 component").arg(deviceTypeName(state->model), name));
        state->part(component).valid = false;
    }
    return true;
}

bool SimTool::applyFaults(InstrumentState* state)
{
    const QStringList faults = m_parser.values(QStringLiteral("fault"));
    for (const QString& text : faults) {
        InstrumentState::Fault fault;
        if (!parseFault(text, &fault))
            return false;
        state->faults.append(fault);
    }
    const QString trigger = m_parser.value(QStringLiteral("unplug-after"));
    if (!trigger.isEmpty() && !parseTrigger("unplug-after", trigger, &state->unplugAfter))
        return false;
    const QString stall = m_parser.value(QStringLiteral("stall"));
    return stall.isEmpty() || parseTrigger("stall", stall, &state->stall);
}

bool SimTool::applyTiming(InstrumentState* state)
{
    InstrumentState::Timing& timing = state->timing;
    if (m_parser.isSet(QStringLiteral("fast")))
        timing = InstrumentState::Timing{0, 0, 0, 0};
    return intOption(QStringLiteral("clear-ms"), &timing.clearMs) && intOption(QStringLiteral("write-ms"), &timing.writeMs)
           && intOption(QStringLiteral("fpga-clear-ms"), &timing.fpgaClearMs)
           && intOption(QStringLiteral("fpga-write-ms"), &timing.fpgaWriteMs);
}

bool SimTool::writeImage(const QString& folder, const FirmwareImage& image, ChecksumList* checksums)
{
    const std::string catalogueName = catalogueImagePath(image.model(), image.component(), image.version());
    const QString path = QDir(folder).filePath(QFileInfo(QString::fromStdString(catalogueName)).fileName());
    QString reason;
    if (!image.writeFile(path, &reason))
        return fail(reason);
    checksums->set(QFileInfo(path).fileName(), ChecksumList::sha256Of(path));
    m_out << path << '\n';
    return true;
}

bool SimTool::requestedImages(QVector<FirmwareImage>* images)
{
    const QStringList requests = m_parser.values(QStringLiteral("image"));
    for (const QString& text : requests) {
        const QStringList fields = text.split(':');
        const int model = modelFromName(fields.value(0));
        Component component;
        bool isNumber = false;
        const int version = fields.value(2).toInt(&isNumber);
        if (fields.size() != 3 || model < 0 || !componentFromName(model, fields.at(1), &component) || !isNumber
            || version < 0)
            return fail(QStringLiteral("--image %1: expected MODEL:COMPONENT:VERSION, e.g. RZ610R:boot:3").arg(text));
        images->append(FirmwareImage(model, component, version));
    }
    return true;
}

bool SimTool::intOption(const QString& name, int* value, int minimum)
{
    if (!m_parser.isSet(name))
        return true;
    bool isNumber = false;
    const int number = m_parser.value(name).toInt(&isNumber);
    if (!isNumber || number < minimum)
        return fail(QStringLiteral("--%1 needs a number of %2 or more, not \"%3\"")
                        .arg(name)
                        .arg(minimum)
                        .arg(m_parser.value(name)));
    *value = number;
    return true;
}

bool SimTool::parseFault(const QString& text, InstrumentState::Fault* fault)
{
    const QStringList fields = text.split(':');
    bool statusOk = false;
    bool callOk = true;
    fault->call = fields.value(0);
    fault->status = fields.value(1).toInt(&statusOk);
    if (fields.size() > 2)
        fault->onCall = fields.at(2).toInt(&callOk);
    fault->repeat = fields.size() > 3 && fields.at(3) == QLatin1String("repeat");
    const bool wellFormed = fields.size() >= 2 && fields.size() <= 4 && statusOk && callOk && fault->status != 0
                            && fault->onCall > 0 && (fields.size() < 4 || fault->repeat);
    if (!wellFormed)
        return fail(QStringLiteral("--fault %1: expected CALL:STATUS[:N[:repeat]], STATUS not 0 and N above 0").arg(text));
    if (!InstrumentState::isKnownCall(fault->call))
        return fail(QStringLiteral("--fault: unknown call %1").arg(fault->call));
    return true;
}

bool SimTool::parseTrigger(const char* option, const QString& text, InstrumentState::CallTrigger* trigger)
{
    const QStringList fields = text.split(':');
    bool callOk = true;
    trigger->call = fields.value(0);
    if (fields.size() > 1)
        trigger->onCall = fields.at(1).toInt(&callOk);
    if (fields.size() > 2 || !callOk || trigger->onCall < 1)
        return fail(QStringLiteral("--%1 %2: expected CALL[:N], N above 0").arg(QLatin1String(option), text));
    if (!InstrumentState::isKnownCall(trigger->call))
        return fail(QStringLiteral("--%1: unknown call %2").arg(QLatin1String(option), trigger->call));
    return true;
}

bool SimTool::loadState(InstrumentState* state)
{
    QString error;
    if (state->load(statePath(), &error) == InstrumentState::LoadResult::Loaded)
        return true;
    return fail(error);
}

bool SimTool::saveState(const InstrumentState& state)
{
    QString error;
    return state.save(statePath(), &error) || fail(error);
}

QString SimTool::statePath() const
{
    const QString path = m_parser.value(QStringLiteral("file"));
    return path.isEmpty() ? InstrumentState::filePath() : path;
}

bool SimTool::fail(const QString& message)
{
    m_err << "rzsim: " << message << '\n';
    m_err.flush();
    return false;
}

int SimTool::exitWith(const QString& message, int status)
{
    fail(message);
    return status;
}

// For a support engineer: what was run, how many calls, how each function
// answered, and how long it all took. Whatever it prints of the recording
// is escaped, and its figures saturate, however the file was edited.
int SimTool::summarizeRecording(const QString& path)
{
    Recording recording;
    QString error;
    if (!recording.load(path, &error))
        return exitWith(PrintableText::of(error), 1);
    const QJsonObject& header = recording.header();
    const QString library = header.value("library").toString(QStringLiteral("(not recorded)"));
    m_out << "Library:    " << PrintableText::of(library) << '\n'
          << "Updater:    " << PrintableText::of(header.value("updater").toString()) << '\n'
          << "Action:     " << PrintableText::of(header.value("action").toString()) << '\n';
    struct Tally
    {
        qint64 calls = 0;
        qint64 milliseconds = 0;
        QMap<QString, qint64> statuses; // "0", "5", "never returned"
    };
    QMap<QString, Tally> byFunction;
    QMap<QString, qint64> statuses;
    qint64 total = 0;
    for (const QJsonObject& call : recording.calls()) {
        const QString status = Recording::returned(call) ? QString::number(Recording::status(call))
                                                         : QStringLiteral("never returned");
        const qint64 duration = Recording::milliseconds(call, "durationMs");
        Tally& tally = byFunction[call.value("function").toString()];
        ++tally.calls;
        tally.milliseconds = saturatedSum(tally.milliseconds, duration);
        ++tally.statuses[status];
        ++statuses[status];
        total = saturatedSum(Recording::milliseconds(call, "sinceFirstCallMs"), duration);
    }
    const auto describe = [](const QMap<QString, qint64>& counts) {
        QStringList parts;
        for (auto count = counts.cbegin(); count != counts.cend(); ++count)
            parts << QStringLiteral("%1 x%2").arg(count.key()).arg(count.value());
        return parts.join(QStringLiteral(", "));
    };
    m_out << "Calls:      " << recording.calls().size() << " (by status: " << describe(statuses) << ")\n"
          << "Total time: " << total << " ms\n";
    for (auto entry = byFunction.cbegin(); entry != byFunction.cend(); ++entry) {
        m_out << QStringLiteral("  %1 calls %2, %3 ms, by status: %4\n")
                     .arg(PrintableText::of(entry.key()), -32)
                     .arg(entry.value().calls, 3)
                     .arg(entry.value().milliseconds, 8)
                     .arg(describe(entry.value().statuses));
    }
    return 0;
}
