#ifndef DEVICEFAMILY_H
#define DEVICEFAMILY_H

#include "catalogue/ModelTable.h"
#include "families/ComponentCalls.h"
#include "catalogue/DeviceState.h"
#include "families/OpenedInstrument.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// One configuration family of the device library, the calls that reach the
// models the catalogue assigns to it: the ways an instrument of the family
// answers a check, opening an instrument and telling that it is the one
// checked, bootstrapping one that answers nothing, and the clear and write
// of each component. The workers build their steps from the catalogue's
// components through it. A family is a table of calls, so that tests can
// put one of their own in place of the library's. Only the families call
// the device library, each call through LibraryThread, timed.
class DeviceFamily
{
public:
    enum class Opened { Yes, Failed, NotChecked };
    using LineSink = std::function<void(const OperatorText&)>;

    // The instrument the check found, as a write must find it again.
    struct Identity
    {
        int serial = 0;
        int type = -1;
    };

    struct Calls
    {
        // The checked instrument, opened for an update into `instrument`.
        // `*line` says why not when it could not be opened.
        std::function<Opened(OpenedInstrument& instrument, Identity checked, OperatorText* line)> openForUpdate;
        // The instrument in its boot loader, opened for a restore,
        // bootstrapped with `bootImage` first where it does not answer.
        std::function<Opened(OpenedInstrument& instrument, Identity checked, const char* bootImage, OperatorText* line)>
            openForRestore;
        // After the last component, whose writes succeeded: a status, 0
        // where the family's last call is not tested. A family that closes
        // the instrument at the end closes it here.
        std::function<int(OpenedInstrument& instrument)> finishUpdate;
        std::function<int(OpenedInstrument& instrument)> finishRestore;
        // The family's own bootstrap, serial-from-flash and close calls.
        std::function<int(OpenedInstrument& instrument, const char* bootImage)> bootstrap;
        std::function<int(int handle, int* serial)> serialFromFlash;
        std::function<int(int handle)> close;
        // Whether finishUpdate and finishRestore make a call of the library
        // (one, with a query's budget): a stop may wait for it.
        bool updateFinishCalls = false;
        bool restoreFinishCalls = false;
    };

    // One way an instrument of the family answers a check.
    struct Probe
    {
        // True when an instrument answered this way, with what it told in
        // `found` (status NotDetected when its answers could not be read);
        // false to try the next way.
        std::function<bool(DeviceState& found, const LineSink& say)> detect;
        OperatorLines unanswered; // said when nothing answered this way
    };

    DeviceFamily(Calls calls, std::vector<ComponentCalls> components, Connection connection = Connection::Usb,
                 std::vector<Probe> probes = {});

    // The family of the catalogue's model of this type; the USB family for a
    // type outside the catalogue, which nothing writes.
    static const DeviceFamily& of(int deviceType);
    // While one lives, a test's in-process family stands in for the device
    // library's family of its connection; the one before is back once it
    // goes out of scope, whatever way the test left.
    class Replacement
    {
    public:
        Replacement(Connection connection, const DeviceFamily& family);
        ~Replacement();
        Replacement(const Replacement&) = delete;
        Replacement& operator=(const Replacement&) = delete;

    private:
        Connection connection;
        const DeviceFamily* previous;
    };

    // Tries each family's ways in turn, each once, and tells what answered
    // first. Lines for the operator go to `say`; none once the instrument
    // stopped answering.
    static DeviceState detect(const LineSink& say);
    // The device library's own name for its version.
    static QString libraryVersion();

    // Null for a component the family does not write.
    const ComponentCalls* component(const QString& name) const;
    // The line that refuses the start when a model of the catalogue has a
    // component its family has no calls for, naming both; null when every
    // component is written. Such a component would be passed over.
    static OperatorText unwrittenComponent();

    Opened openForUpdate(OpenedInstrument& instrument, Identity checked, OperatorText* line) const;
    Opened openForRestore(OpenedInstrument& instrument, Identity checked, const char* bootImage, OperatorText* line) const;
    int finishUpdate(OpenedInstrument& instrument) const { return calls.finishUpdate(instrument); }
    int finishRestore(OpenedInstrument& instrument) const { return calls.finishRestore(instrument); }
    bool finishCalls(bool restore) const { return restore ? calls.restoreFinishCalls : calls.updateFinishCalls; }
    // The family's close, for the instrument a write opens.
    const OpenedInstrument::Close& closeCall() const { return calls.close; }

    // Loads a boot image into an instrument that answers nothing, reads its
    // serial number from flash, and closes it again.
    bool bootstrap(const char* bootImage, int* serial) const;

private:
    // Every family of FamilyList, in its order; a test's in place of the
    // library's.
    static std::vector<const DeviceFamily*> families();

    Calls calls;
    std::vector<ComponentCalls> components;
    Connection connection;
    std::vector<Probe> probes;
};

#endif
