// Every kind of call into the device library answers only after its caller
// gave up on it, and then writes all its out-arguments and its progress
// figure. Each runs in a process of its own (a call given up on is given up
// for the whole process), built here with a device library of the test's
// own: the call named on the command line sleeps past its budget. Under
// AddressSanitizer with detect_stack_use_after_return a write into a caller
// that moved on is reported and fails the process.

#include "device/RzCallList.h"
#include "families/DeviceFamily.h"
#include "families/LibraryThread.h"

#include <QProcess>
#include <QtTest>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

namespace {

QByteArray lateCall; // the one call that answers late
std::mutex mutex;
std::condition_variable returned;
bool lateReturned = false;

// True for the late call, once it slept past every budget (at the scale the
// probe runs with): its writes follow.
bool answersLate(const char* function)
{
    if (lateCall != function)
        return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    return true;
}

int done(const char* function, int status = 0)
{
    if (lateCall == function) {
        std::lock_guard<std::mutex> lock(mutex);
        lateReturned = true;
        returned.notify_all();
    }
    return status;
}

template <typename T>
void put(T* out, T value)
{
    if (out)
        *out = value;
}

bool late(const char* prefix)
{
    return lateCall.startsWith(prefix);
}

// What an output of a call holds once it returns: by the parameter's name,
// unless the call is one that answers otherwise. A network instrument is
// listed only when the late call is one of its family's, so that detection
// goes on to it.
qint64 answerFor(const char* call, const char* parameter)
{
    static const QHash<QByteArray, qint64> byCall{
        {"rzConfigUSBOpenDevice.handle", 4},         {"rzConfigUSBOpenDeviceBySerial.handle", 5},
        {"rzConfigUSBBootstrapDevice.handle", 6},    {"rzConfigNetOpenDevice.handle", 8},
        {"rzConfigNetBootstrapDevice.handle", 9},    {"rzConfigUSBGetDeviceType.type", RZ_DEVICE_RZ610S},
        {"rzConfigNetGetSerialFromFlash.serial", 777}};
    static const QHash<QByteArray, qint64> byParameter{
        {"handle", 3}, {"type", RZ_DEVICE_RZ610R}, {"serial", 12345},  {"serials", 777},
        {"boot", 4},   {"run", 5},                 {"fpga", 9},        {"firmwareNumber", 0x02080600},
        {"state", RZ_FPGA_LOADED}};
    if (qstrcmp(parameter, "count") == 0)
        return late("rzConfigNet") ? 1 : 0;
    const QByteArray key = QByteArray(call) + '.' + parameter;
    return byCall.contains(key) ? byCall.value(key) : byParameter.value(parameter);
}

template <typename T>
void answer(const char* call, const char* parameter, T* out)
{
    put(out, T(answerFor(call, parameter)));
}

// A progress figure rises to the end.
void answer(const char*, const char*, double* progress)
{
    for (double value : {25.0, 50.0, 100.0})
        put(progress, value);
}

// A call handed an image fails without one; the plain open fails while the late call
// is the USB family's, as an instrument in boot mode answers only there.
int statusOf(const char* call, const char* const* image)
{
    if (image)
        return *image && **image ? 0 : 1;
    return qstrcmp(call, "rzOpenDevice") == 0 && late("rzConfigUSB") ? 1 : 0;
}

} // namespace

// The library of the test's own, one function an entry of the call list:
// plausible answers that lead each operation to the late call.
#define RZ_IN(p) static_cast<void>(p);
#define RZ_OUT(p) answer(__func__, #p, p);
#define RZ_IN_OUT(p) RZ_OUT(p)
#define RZ_OUT_LIST(p, n) RZ_OUT(p)
#define RZ_IMAGE(p) image = &p;
#define RZ_LATE_FAKE(name, status, parameters, arguments, record)                                                  \
    status name parameters                                                                                          \
    {                                                                                                               \
        const char* const* image = nullptr;                                                                         \
        answersLate(#name);                                                                                         \
        record return status(done(#name, statusOf(#name, image)));                                                  \
    }

extern "C" {
RZ_LIBRARY_CALLS(RZ_LATE_FAKE)

const char* rzGetAPIVersion(void)
{
    answersLate(__func__);
    return static_cast<void>(done(__func__)), "late library 1.0";
}
}

namespace {

// A clear or write, through the family's row of the component.
bool writesComponent(const QByteArray& call)
{
    static const QMap<QByteArray, QPair<int, QString>> rows{
        {"rzConfigUSBClearBootSector", {0, "boot"}},  {"rzConfigUSBWriteBootSector", {0, "boot"}},
        {"rzConfigUSBClearRunSector", {0, "run"}},    {"rzConfigUSBWriteRunSector", {0, "run"}},
        {"rzConfigUSBClearFPGAProgram", {0, "fpga"}}, {"rzConfigUSBWriteFPGAProgram", {0, "fpga"}},
        {"rzConfigNetClearFx3", {2, "fx3"}},          {"rzConfigNetWriteFx3", {2, "fx3"}},
        {"rzConfigNetClearFPGA", {2, "fpga"}},        {"rzConfigNetWriteFGPA", {2, "fpga"}}};
    if (!rows.contains(call))
        return false;
    const ComponentCalls* row = DeviceFamily::of(rows[call].first).component(rows[call].second);
    const auto progress = std::make_shared<double>(0.0);
    if (call.contains("Clear"))
        row->timedClear(5, progress, ComponentCalls::Seconds(1));
    else
        row->timedWrite(5, "./firmware/image.bin", 12345, progress, ComponentCalls::Seconds(1));
    return true;
}

// Each operation from a frame of its own that is gone before the call returns.
void operate(const QByteArray& call)
{
    OpenedInstrument instrument(DeviceFamily::of(0).closeCall());
    int serial = 0;
    OperatorText line;
    if (call == "rzGetAPIVersion")
        DeviceFamily::libraryVersion();
    else if (call == "rzConfigUSBOpenDeviceBySerial")
        DeviceFamily::of(0).openForUpdate(instrument, {12345, 0}, &line);
    else if (call.contains("Bootstrap") || call.contains("SerialFromFlash"))
        DeviceFamily::of(call.startsWith("rzConfigNet") ? 2 : 0).bootstrap("./firmware/boot.img", &serial);
    else if (call == "rzConfigNetPreset")
        DeviceFamily::of(2).finishUpdate(instrument);
    else if (!writesComponent(call))
        DeviceFamily::detect([](const OperatorText&) {});
}

void churnTheStack()
{
    volatile char scratch[4096];
    std::memset(const_cast<char*>(scratch), 0x5a, sizeof scratch);
}

int probe(const char* call)
{
    lateCall = call;
    operate(lateCall);
    churnTheStack();
    if (!LibraryThread::abandoned()) {
        std::printf("answered in time\n");
        return 3;
    }
    std::unique_lock<std::mutex> lock(mutex);
    if (!returned.wait_for(lock, std::chrono::seconds(30), [] { return lateReturned; })) {
        std::printf("never returned\n");
        return 4;
    }
    std::printf("returned late\n");
    return 0;
}

} // namespace

class LateReturnTest : public QObject
{
    Q_OBJECT

private slots:
    void aLateReturnWritesOnlyWhatItOwns_data();
    void aLateReturnWritesOnlyWhatItOwns();
};

void LateReturnTest::aLateReturnWritesOnlyWhatItOwns_data()
{
    QTest::addColumn<QString>("call");
    // A call added to the list gets its row, which fails ("answered in
    // time") until operate() reaches it.
    QTest::newRow("rzGetAPIVersion") << "rzGetAPIVersion";
#define RZ_LATE_ROW(name, status, parameters, arguments, record) QTest::newRow(#name) << #name;
    RZ_LIBRARY_CALLS(RZ_LATE_ROW)
#undef RZ_LATE_ROW
}

void LateReturnTest::aLateReturnWritesOnlyWhatItOwns()
{
    QFETCH(QString, call);
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("RZ_STALL_SCALE", "0.001");
    probe.setProcessEnvironment(environment);
    probe.start(QCoreApplication::applicationFilePath(), {"late", call});
    QVERIFY(probe.waitForFinished(60000));
    const QByteArray errors = probe.readAllStandardError();
    QVERIFY2(probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0, errors.constData());
    QCOMPARE(probe.readAllStandardOutput(), QByteArray("returned late\n"));
}

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "late") == 0)
        return probe(argv[2]);
    QCoreApplication application(argc, argv);
    LateReturnTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LateReturnTest.moc"
