#ifndef FIRMWAREWRITEFLOW_H
#define FIRMWAREWRITEFLOW_H

#include "catalogue/DeviceState.h"
#include "workflows/FrontEnd.h"

class FirmwareWriterThread;
class RunRecord;
class WriteOutcome;

// "Update" and "Restore": run the writer while the front end shows it is
// busy, with the FPGA's progress while it is programmed, then give the
// verdict and withdraw every action, whatever the outcome.
class FirmwareWriteFlow
{
public:
    // Rewrites what differs from this release, for an instrument the check
    // found operational. What happens goes to `record`.
    static FlowOutcome update(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state);
    // Rewrites every component of an instrument that answers only in boot mode.
    static FlowOutcome restore(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state);

    // What the operator is told of each procedure.
    struct Procedure
    {
        const char* heading;
        const char* busyText;
    };

private:
    FirmwareWriteFlow(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state, const Procedure& procedure);

    FlowOutcome run(FirmwareWriterThread& worker);
    static FlowOutcome outcomeOf(const WriteOutcome& outcome);
    void reportVerdict(const WriteOutcome& outcome);
    void say(const QString& line);

    FrontEnd& frontEnd;
    RunRecord& record;
    const DeviceState& state;
    QString heading;
    QString busyText;
};

#endif
