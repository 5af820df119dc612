#ifndef FIRMWAREWRITEFLOW_H
#define FIRMWAREWRITEFLOW_H

#include "families/DeviceState.h"
#include "workflows/FrontEnd.h"
#include "records/history/UpdateAttempt.h"

class FirmwareWriterThread;

// "Update" and "Restore": run the writer while the front end shows it is
// busy, with the FPGA's progress while it is programmed, then give the
// verdict and withdraw every action, whatever the outcome.
class FirmwareWriteFlow
{
public:
    // Rewrites what differs from this release, for an instrument the check
    // found operational. The history's id of the attempt goes to attemptId
    // (0 when none was recorded).
    static FlowOutcome update(FrontEnd& frontEnd, const DeviceState& state, qint64* attemptId = nullptr);
    // Rewrites every component of an instrument that answers only in boot mode.
    static FlowOutcome restore(FrontEnd& frontEnd, const DeviceState& state, qint64* attemptId = nullptr);

private:
    FirmwareWriteFlow(FrontEnd& frontEnd, const char* action, const char* heading, const char* busyText);

    FlowOutcome run(FirmwareWriterThread& worker, const DeviceState& state, qint64* attemptId);
    UpdateAttempt describeAttempt(const DeviceState& state) const;
    void reportVerdict(bool success);
    void clearRecord(const DeviceState& state);

    FrontEnd& frontEnd;
    QString action;
    QString heading;
    QString busyText;
};

#endif
