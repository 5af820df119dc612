// Every kind of call into the device library answers only after its caller
// gave up on it, and then writes all its out-arguments and its progress
// figure. Each runs in a process of its own (a call given up on is given up
// for the whole process), built here with a device library of the test's
// own: the call named on the command line sleeps past its budget. Under
// AddressSanitizer with detect_stack_use_after_return a write into a caller
// that moved on is reported and fails the process.

#include "device/rz_api.h"
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

void raise(double* progress)
{
    for (double value : {25.0, 50.0, 100.0})
        put(progress, value);
}

bool late(const char* prefix)
{
    return lateCall.startsWith(prefix);
}

} // namespace

// The library of the test's own: plausible answers that lead each operation
// to the late call.
extern "C" {
const char* rzGetAPIVersion(void)
{
    answersLate(__func__);
    return static_cast<void>(done(__func__)), "late library 1.0";
}
int rzOpenDevice(int* handle)
{
    answersLate(__func__);
    put(handle, 3);
    return done(__func__, late("rzConfigUSB") ? 1 : 0); // a boot-mode instrument answers only there
}
int rzCloseDevice(int) { return 0; }
int rzGetDeviceInfo(int, RzDeviceType* type, int* serial)
{
    answersLate(__func__);
    put(type, RZ_DEVICE_RZ610R);
    put(serial, 12345);
    return done(__func__);
}
int rzGetFirmwareVersion(int, int* boot, int* run, int* fpga)
{
    answersLate(__func__);
    put(boot, 4);
    put(run, 5);
    put(fpga, 9);
    return done(__func__);
}
RzInitStatus rzConfigUSBOpenDevice(int* handle)
{
    answersLate(__func__);
    put(handle, 4);
    return RzInitStatus(done(__func__));
}
RzInitStatus rzConfigUSBOpenDeviceBySerial(int* handle, int)
{
    answersLate(__func__);
    put(handle, 5);
    return RzInitStatus(done(__func__));
}
RzInitStatus rzConfigUSBBootstrapDevice(int* handle, const char*)
{
    answersLate(__func__);
    put(handle, 6);
    return RzInitStatus(done(__func__));
}
RzInitStatus rzConfigUSBGetDeviceSerial(int, int* serial)
{
    answersLate(__func__);
    put(serial, 12345);
    return RzInitStatus(done(__func__));
}
RzInitStatus rzConfigUSBGetDeviceType(int, RzDeviceType* type)
{
    answersLate(__func__);
    put(type, RZ_DEVICE_RZ610S);
    return RzInitStatus(done(__func__));
}
RzInitStatus rzConfigUSBGetSerialFromFlash(int, int* serial)
{
    answersLate(__func__);
    put(serial, 12345);
    return RzInitStatus(done(__func__));
}
RzInitStatus rzConfigUSBCloseDevice(int) { return RzInitStatus(0); }
RzInitStatus rzConfigUSBClearBootSector(int)
{
    answersLate(__func__);
    return RzInitStatus(done(__func__));
}
RzInitStatus rzConfigUSBWriteBootSector(int, const char* image, int)
{
    answersLate(__func__);
    return RzInitStatus(done(__func__, image && *image ? 0 : 1));
}
RzInitStatus rzConfigUSBClearRunSector(int)
{
    answersLate(__func__);
    return RzInitStatus(done(__func__));
}
RzInitStatus rzConfigUSBWriteRunSector(int, const char* image, int)
{
    answersLate(__func__);
    return RzInitStatus(done(__func__, image && *image ? 0 : 1));
}
RzInitStatus rzConfigUSBClearFPGAProgram(int, double* progress)
{
    answersLate(__func__);
    raise(progress);
    return RzInitStatus(done(__func__));
}
RzInitStatus rzConfigUSBWriteFPGAProgram(int, const char* image, double* progress)
{
    answersLate(__func__);
    raise(progress);
    return RzInitStatus(done(__func__, image && *image ? 0 : 1));
}
RzStatus rzConfigNetGetDeviceList(int* serials, int* count)
{
    answersLate(__func__);
    const bool listed = late("rzConfigNet");
    put(serials, 777);
    put(count, listed ? 1 : 0);
    return RzStatus(done(__func__));
}
RzStatus rzConfigNetOpenDevice(int* handle, int)
{
    answersLate(__func__);
    put(handle, 8);
    return RzStatus(done(__func__));
}
RzStatus rzConfigNetBootstrapDevice(int* handle, const char*)
{
    answersLate(__func__);
    put(handle, 9);
    return RzStatus(done(__func__));
}
RzStatus rzConfigNetGetSerialFromFlash(int, int* serial)
{
    answersLate(__func__);
    put(serial, 777);
    return RzStatus(done(__func__));
}
RzStatus rzConfigNetGetFirmwareVersion(int, int* firmwareNumber)
{
    answersLate(__func__);
    put(firmwareNumber, 0x02080600);
    return RzStatus(done(__func__));
}
RzStatus rzConfigNetGetFPGAStatus(int, int* state)
{
    answersLate(__func__);
    put(state, RZ_FPGA_LOADED);
    return RzStatus(done(__func__));
}
RzStatus rzConfigNetCloseDevice(int) { return RzStatus(0); }
RzStatus rzConfigNetClearFx3(int)
{
    answersLate(__func__);
    return RzStatus(done(__func__));
}
RzStatus rzConfigNetWriteFx3(int, const char* image, int)
{
    answersLate(__func__);
    return RzStatus(done(__func__, image && *image ? 0 : 1));
}
RzStatus rzConfigNetClearFPGA(int)
{
    answersLate(__func__);
    return RzStatus(done(__func__));
}
RzStatus rzConfigNetWriteFGPA(int, const char* image)
{
    answersLate(__func__);
    return RzStatus(done(__func__, image && *image ? 0 : 1));
}
RzStatus rzConfigNetPreset(int)
{
    answersLate(__func__);
    return RzStatus(done(__func__));
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
    QString line;
    if (call == "rzGetAPIVersion")
        DeviceFamily::libraryVersion();
    else if (call == "rzConfigUSBOpenDeviceBySerial")
        DeviceFamily::of(0).openForUpdate(instrument, {12345, 0}, &line);
    else if (call.contains("Bootstrap") || call.contains("SerialFromFlash"))
        DeviceFamily::of(call.startsWith("rzConfigNet") ? 2 : 0).bootstrap("./firmware/boot.img", &serial);
    else if (call == "rzConfigNetPreset")
        DeviceFamily::of(2).finishUpdate(instrument);
    else if (!writesComponent(call))
        DeviceFamily::detect([](const QString&) {});
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
    for (const char* call :
         {"rzGetAPIVersion", "rzOpenDevice", "rzGetDeviceInfo", "rzGetFirmwareVersion", "rzConfigUSBOpenDevice",
          "rzConfigUSBGetDeviceSerial", "rzConfigUSBGetDeviceType", "rzConfigUSBOpenDeviceBySerial",
          "rzConfigUSBBootstrapDevice", "rzConfigUSBGetSerialFromFlash", "rzConfigUSBClearBootSector",
          "rzConfigUSBWriteBootSector", "rzConfigUSBClearRunSector", "rzConfigUSBWriteRunSector",
          "rzConfigUSBClearFPGAProgram", "rzConfigUSBWriteFPGAProgram", "rzConfigNetGetDeviceList",
          "rzConfigNetOpenDevice", "rzConfigNetGetFirmwareVersion", "rzConfigNetGetFPGAStatus",
          "rzConfigNetBootstrapDevice", "rzConfigNetGetSerialFromFlash", "rzConfigNetClearFx3",
          "rzConfigNetWriteFx3", "rzConfigNetClearFPGA", "rzConfigNetWriteFGPA", "rzConfigNetPreset"})
        QTest::newRow(call) << call;
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
