#ifndef FIRMWAREWRITEFLOW_H
#define FIRMWAREWRITEFLOW_H

#include "catalogue/OperatorText.h"

#include "catalogue/DeviceState.h"
#include "host/StopRequest.h"
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
    // found operational. What happens goes to `record`; a stop signal while
    // it writes is asked of `stop`.
    static FlowOutcome update(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state, StopRequest& stop);
    // Rewrites every component of an instrument that answers only in boot mode.
    static FlowOutcome restore(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state, StopRequest& stop);
    // The same with a stop of the flow's own, for a caller that does not
    // read it afterwards.
    static FlowOutcome update(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state)
    {
        StopRequest stop;
        return update(frontEnd, record, state, stop);
    }
    static FlowOutcome restore(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state)
    {
        StopRequest stop;
        return restore(frontEnd, record, state, stop);
    }

    // What the operator is told of each procedure.
    struct Procedure
    {
        const char* heading;
        const char* busyText;
    };

private:
    FirmwareWriteFlow(FrontEnd& frontEnd, RunRecord& record, const DeviceState& state, StopRequest& stop,
                      const Procedure& procedure);

    FlowOutcome run(FirmwareWriterThread& worker);
    static FlowOutcome outcomeOf(const WriteOutcome& outcome);
    void reportVerdict(const WriteOutcome& outcome);
    void say(const OperatorText& line);

    FrontEnd& frontEnd;
    RunRecord& record;
    const DeviceState& state;
    StopRequest& stop;
    OperatorText heading;
    OperatorText busyText;
};

#endif
