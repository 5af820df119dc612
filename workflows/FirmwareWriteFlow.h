#ifndef FIRMWAREWRITEFLOW_H
#define FIRMWAREWRITEFLOW_H

#include "workflows/DeviceState.h"
#include "workflows/FrontEnd.h"

class FirmwareWriterThread;

// "Update" and "Restore": run the writer while the front end shows it is
// busy, with the FPGA's progress while it is programmed, then give the
// verdict and withdraw every action, whatever the outcome.
class FirmwareWriteFlow
{
public:
    // Rewrites what differs from this release, for an instrument the check
    // found operational.
    static FlowOutcome update(FrontEnd& frontEnd, const DeviceState& state);
    // Rewrites every component of an instrument that answers only in boot mode.
    static FlowOutcome restore(FrontEnd& frontEnd, const DeviceState& state);

private:
    FirmwareWriteFlow(FrontEnd& frontEnd, const QString& heading, const QString& busyText);

    FlowOutcome run(FirmwareWriterThread& worker, const DeviceState& state);
    void reportVerdict(bool success);
    void clearRecord(const DeviceState& state);

    FrontEnd& frontEnd;
    QString heading;
    QString busyText;
};

#endif
