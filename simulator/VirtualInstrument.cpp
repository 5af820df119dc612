#include "simulator/VirtualInstrument.h"

#include "catalogue/Catalogue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cstring>
#include <limits>
#include <chrono>
#include <thread>

// The simulator answers every kind of call with the same numbers; the enums
// differ in type only, so compare them as plain ints.
constexpr bool same(int a, int b)
{
    return a == b;
}
static_assert(same(RZ_INIT_SUCCESS, RZ_SUCCESS) && same(RZ_API_SUCCESS, RZ_SUCCESS)
                  && same(RZ_INIT_NO_DEVICE, RZ_NO_DEVICE) && same(RZ_API_NO_DEVICE, RZ_NO_DEVICE)
                  && same(RZ_INIT_INVALID_HANDLE, RZ_INVALID_HANDLE) && same(RZ_API_INVALID_HANDLE, RZ_INVALID_HANDLE)
                  && same(RZ_INIT_INVALID_ARGUMENT, RZ_INVALID_ARGUMENT)
                  && same(RZ_API_INVALID_ARGUMENT, RZ_INVALID_ARGUMENT) && same(RZ_INIT_BAD_IMAGE, RZ_BAD_IMAGE)
                  && same(RZ_INIT_IO_ERROR, RZ_IO_ERROR) && same(RZ_INIT_FAILURE, RZ_FAILURE)
                  && same(RZ_API_FAILURE, RZ_FAILURE),
              "the statuses of the three kinds of call share their numbers");

namespace {

constexpr size_t longestImagePath = 4095;
constexpr int sliceMs = 25;

using Answer = InstrumentState::Answer;

qint64 thisProcess()
{
    return QCoreApplication::applicationPid();
}

// The GUI thread polls the value while the call runs.
void reportProgress(double* progress, double value)
{
    if (progress)
        __atomic_store(progress, &value, __ATOMIC_RELAXED);
}

// Sleeps for the time a flash operation takes, raising the progress in slices.
void work(int ms, double* progress)
{
    QElapsedTimer timer;
    timer.start();
    reportProgress(progress, 0.0);
    for (qint64 elapsed = 0; elapsed < ms; elapsed = timer.elapsed()) {
        QThread::msleep(ulong(qMin<qint64>(sliceMs, ms - elapsed)));
        reportProgress(progress, qMin(100.0, 100.0 * double(timer.elapsed()) / ms));
    }
    reportProgress(progress, 100.0);
}

bool familyFitsModel(VirtualInstrument::Family family, int model)
{
    return (family == VirtualInstrument::Family::Net) == isNetworkModel(model);
}

// This instrument's serial first; the others' follow it (or precede it near
// the top of the range), so none of them opens.
int listedSerial(const InstrumentState& state, int index)
{
    const bool roomAbove = state.flashSerial <= std::numeric_limits<int>::max() - state.listedCount;
    return roomAbove ? state.flashSerial + index : state.flashSerial - index;
}

int clearTime(const InstrumentState& state, Component component)
{
    return component == Component::Fpga ? state.timing.fpgaClearMs : state.timing.clearMs;
}

int writeTime(const InstrumentState& state, Component component)
{
    return component == Component::Fpga ? state.timing.fpgaWriteMs : state.timing.writeMs;
}

} // namespace

VirtualInstrument& VirtualInstrument::instance()
{
    static VirtualInstrument instrument;
    return instrument;
}

int VirtualInstrument::perform(const QString& call, const Operation& operation, QString* reason)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_reason.clear();
    const QString path = InstrumentState::filePath();
    InstrumentState state;
    const InstrumentState::LoadResult loaded = state.load(path, reason);
    if (loaded != InstrumentState::LoadResult::Loaded)
        return loaded == InstrumentState::LoadResult::Missing ? NoDevice : Failure;
    if (state.takeStall(call)) {
        state.save(path, reason);
        return stallUntilPlugged(path);
    }
    const QJsonObject before = state.toJson();
    int status = state.takeFault(call);
    if (status != Success) {
        m_reason = QStringLiteral("injected fault");
    } else if (state.unplugged) {
        // Handles do not survive the instrument losing power.
        m_handles.clear();
        status = fail(NoDevice, QStringLiteral("unplugged"));
    } else {
        status = operation(state);
        if (state.takeUnplugTrigger(call))
            state.unplug();
    }
    *reason = m_reason;
    if (state.toJson() != before && !state.save(path, reason))
        return IoError;
    return status;
}

// An instrument that stopped answering: the call does not return until
// `rzsim plug` (or a new instrument) clears the stall, and then finds
// nothing.
int VirtualInstrument::stallUntilPlugged(const QString& path)
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        InstrumentState state;
        QString ignored;
        if (state.load(path, &ignored) != InstrumentState::LoadResult::Loaded || state.stall.call.isEmpty())
            return fail(NoDevice, QStringLiteral("stalled, then released"));
    }
}

int VirtualInstrument::openPlain(InstrumentState& state, int* handle)
{
    if (!handle)
        return InvalidArgument;
    if (!answers(state, Family::Plain))
        return NoDevice;
    return addHandle(state, Family::Plain, handle);
}

int VirtualInstrument::openUsb(InstrumentState& state, int* handle)
{
    if (!handle)
        return InvalidArgument;
    if (!answers(state, Family::Usb))
        return NoDevice;
    return addHandle(state, Family::Usb, handle);
}

int VirtualInstrument::openBySerial(InstrumentState& state, Family family, int* handle, int serial)
{
    if (!handle || serial < 0)
        return InvalidArgument;
    if (!answers(state, family) || serial != state.flashSerial)
        return NoDevice;
    return addHandle(state, family, handle);
}

int VirtualInstrument::bootstrap(InstrumentState& state, Family family, int* handle, const char* imagePath)
{
    if (!handle)
        return InvalidArgument;
    if (const int status = checkImagePath(imagePath))
        return status;
    if (!familyFitsModel(family, state.model) || state.answer(thisProcess()) != Answer::AwaitingBootstrap)
        return fail(NoDevice, QStringLiteral("no instrument waits in its boot loader"));
    FirmwareImage image;
    if (const int status = readImage(state, Component::Boot, imagePath, &image))
        return status;
    work(state.timing.writeMs, nullptr);
    state.bootstrapPid = thisProcess();
    state.bootstrapVersion = image.version();
    return addHandle(state, family, handle);
}

int VirtualInstrument::close(InstrumentState& state, Family family, int handle)
{
    if (const int status = checkHandle(state, family, handle))
        return status;
    m_handles.erase(handle);
    return Success;
}

int VirtualInstrument::deviceInfo(InstrumentState& state, int handle, int* type, int* serial)
{
    if (const int status = checkHandle(state, Family::Plain, handle))
        return status;
    if (!type || !serial)
        return InvalidArgument;
    *type = state.typeReported();
    *serial = state.flashSerial;
    return Success;
}

int VirtualInstrument::firmwareVersions(InstrumentState& state, int handle, int* boot, int* run, int* fpga)
{
    if (const int status = checkHandle(state, Family::Plain, handle))
        return status;
    if (!boot || !run || !fpga)
        return InvalidArgument;
    // A cleared component reads back as version 0.
    const auto versionOf = [&state](Component component) {
        const InstrumentState::Part& part = state.part(component);
        return part.valid ? part.version : 0;
    };
    *boot = versionOf(Component::Boot);
    *run = versionOf(Component::Run);
    *fpga = versionOf(Component::Fpga);
    return Success;
}

int VirtualInstrument::deviceType(InstrumentState& state, int handle, int* type)
{
    if (const int status = checkHandle(state, Family::Usb, handle))
        return status;
    if (!type)
        return InvalidArgument;
    *type = state.typeReported();
    return Success;
}

int VirtualInstrument::flashSerial(InstrumentState& state, Family family, int handle, int* serial)
{
    if (const int status = checkHandle(state, family, handle))
        return status;
    if (!serial)
        return InvalidArgument;
    *serial = state.flashSerial;
    return Success;
}

int VirtualInstrument::listNetwork(InstrumentState& state, int* serials, int* count)
{
    if (!count || *count < 0 || (*count > 0 && !serials))
        return InvalidArgument;
    if (!answers(state, Family::Net))
        return NoDevice;
    for (int index = 0; index < qMin(*count, state.listedCount); ++index)
        serials[index] = listedSerial(state, index);
    *count = state.listedCount;
    return Success;
}

int VirtualInstrument::networkFirmware(InstrumentState& state, int handle, int* firmwareNumber)
{
    if (const int status = checkHandle(state, Family::Net, handle))
        return status;
    if (!firmwareNumber)
        return InvalidArgument;
    // With the FX3 flash cleared, the firmware running is the one in RAM.
    const InstrumentState::Part& fx3 = state.part(Component::Boot);
    if (!fx3.valid && !state.isBootstrappedBy(thisProcess()))
        return fail(Failure, QStringLiteral("no FX3 firmware"));
    *firmwareNumber = fx3.valid ? fx3.version : state.bootstrapVersion;
    return Success;
}

int VirtualInstrument::networkFpgaStatus(InstrumentState& state, int handle, int* fpgaState)
{
    if (const int status = checkHandle(state, Family::Net, handle))
        return status;
    if (!fpgaState)
        return InvalidArgument;
    *fpgaState = state.part(Component::Fpga).valid ? 1 : 2;
    return Success;
}

int VirtualInstrument::preset(InstrumentState& state, int handle)
{
    return checkHandle(state, Family::Net, handle);
}

int VirtualInstrument::clear(InstrumentState& state, Family family, int handle, Component component,
                             double* progress)
{
    if (const int status = checkHandle(state, family, handle))
        return status;
    work(clearTime(state, component), progress);
    state.part(component).valid = false;
    return Success;
}

int VirtualInstrument::write(InstrumentState& state, Family family, int handle, Component component,
                             const char* imagePath, int serial, double* progress)
{
    if (const int status = checkHandle(state, family, handle))
        return status;
    if (const int status = checkImagePath(imagePath))
        return status;
    FirmwareImage image;
    if (const int status = readImage(state, component, imagePath, &image))
        return status;
    work(writeTime(state, component), progress);
    state.part(component) = InstrumentState::Part{true, image.version()};
    if (component == Component::Boot && serial >= 0)
        state.flashSerial = serial;
    return Success;
}

bool VirtualInstrument::answers(const InstrumentState& state, Family family) const
{
    if (!familyFitsModel(family, state.model))
        return false;
    const Answer answer = state.answer(thisProcess());
    return answer == Answer::Operational || (family != Family::Plain && answer == Answer::BootMode);
}

int VirtualInstrument::addHandle(const InstrumentState& state, Family family, int* handle)
{
    *handle = m_nextHandle++;
    m_handles[*handle] = Handle{family, state.serial};
    return Success;
}

int VirtualInstrument::checkHandle(const InstrumentState& state, Family family, int handle)
{
    const auto found = m_handles.find(handle);
    if (found == m_handles.end() || found->second.family != family)
        return fail(InvalidHandle, QStringLiteral("unknown handle %1 for this family").arg(handle));
    if (!familyFitsModel(family, state.model) || found->second.serial != state.serial)
        return fail(NoDevice, QStringLiteral("the instrument of handle %1 is gone").arg(handle));
    return Success;
}

int VirtualInstrument::checkImagePath(const char* imagePath)
{
    if (!imagePath || imagePath[0] == '\0')
        return fail(InvalidArgument, QStringLiteral("no image path"));
    if (strnlen(imagePath, longestImagePath + 1) > longestImagePath)
        return fail(InvalidArgument, QStringLiteral("image path too long"));
    return Success;
}

int VirtualInstrument::readImage(const InstrumentState& state, Component component, const char* imagePath,
                                 FirmwareImage* image)
{
    QString reason;
    switch (FirmwareImage::readFile(QFile::decodeName(imagePath), image, &reason)) {
    case FirmwareImage::ReadResult::Unreadable:
        return fail(IoError, reason);
    case FirmwareImage::ReadResult::Rejected:
        return fail(BadImage, reason);
    case FirmwareImage::ReadResult::Read:
        break;
    }
    reason = image->mismatch(state.model, component);
    return reason.isEmpty() ? Success : fail(BadImage, reason);
}

int VirtualInstrument::fail(int status, const QString& reason)
{
    m_reason = reason;
    return status;
}
