#ifndef INSTRUMENTSTATE_H
#define INSTRUMENTSTATE_H

#include "simulator/Component.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

// Everything the simulated instrument remembers, kept in a JSON file so that
// the library, the rzsim tool and tests in other processes share it.
struct InstrumentState
{
    struct Part
    {
        bool valid = true;
        int version = 0;
    };

    struct Timing
    {
        int clearMs = 300;
        int writeMs = 1000;
        int fpgaClearMs = 300;
        int fpgaWriteMs = 5000;
    };

    // The named call fails with the status on its onCall-th call (calls are
    // counted in the file, across processes), and on every later one if repeat.
    struct Fault
    {
        QString call;
        int status = 6;
        int onCall = 1;
        int calls = 0;
        bool repeat = false;
    };

    // The onCall-th call of the named call, counted across processes: the
    // one after which the instrument is unplugged, or the one that never
    // returns. No call name: no trigger.
    struct CallTrigger
    {
        QString call;
        int onCall = 1;
        int calls = 0;
    };

    enum class Answer { Nothing, AwaitingBootstrap, BootMode, Operational };
    enum class LoadResult { Loaded, Missing, Malformed };

    int model = 0;
    int serial = 0;
    int flashSerial = 0;
    // The device type the instrument reports; a model's own unless set, to
    // mimic an instrument whose firmware reports a type no release knows.
    int reportedType = -1;
    Part parts[componentCount];
    // The process that bootstrapped the instrument into RAM; 0 for none.
    qint64 bootstrapPid = 0;
    int bootstrapVersion = 0;
    bool unplugged = false;
    // Instruments the network listing reports: this one first, then others
    // that exist only in the list and never open.
    int listedCount = 1;
    CallTrigger unplugAfter;
    CallTrigger stall;
    Timing timing;
    QVector<Fault> faults;

    // $RZ_SIM_DEVICE, else rzsim-device.json, relative to the working
    // directory the library was loaded in.
    static QString filePath();
    static QString inStartFolder(const QString& path);
    static bool isKnownCall(const QString& call);

    // A valid instrument of the model at this release's versions.
    static InstrumentState release(int model, int serial);

    LoadResult load(const QString& path, QString* error);
    bool save(const QString& path, QString* error) const;

    QJsonObject toJson() const;
    bool fromJson(const QJsonObject& json, QString* error);

    int typeReported() const { return reportedType >= 0 ? reportedType : model; }

    Part& part(Component component) { return parts[int(component)]; }
    const Part& part(Component component) const { return parts[int(component)]; }

    // How the instrument answers a process with the given pid.
    Answer answer(qint64 pid) const;
    bool isBootstrappedBy(qint64 pid) const { return bootstrapPid != 0 && bootstrapPid == pid; }

    // Counts the call; its status when a fault fires, else 0.
    int takeFault(const QString& call);
    // Counts the call; true when it is the unplug point.
    bool takeUnplugTrigger(const QString& call);
    // Counts the call; true when it is the one that never returns.
    bool takeStall(const QString& call);
    // Power is gone: whatever ran from RAM is lost.
    void unplug();
    void plug();
};

#endif
