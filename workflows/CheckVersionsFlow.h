#ifndef CHECKVERSIONSFLOW_H
#define CHECKVERSIONSFLOW_H

#include "workflows/DeviceState.h"
#include "workflows/FrontEnd.h"

// "Check Versions": detects the instrument while the front end shows it is
// busy, bootstraps one that answers nothing as the model of the update on
// record that did not finish, or else once the operator names its model,
// reports what was found and offers "Update" or "Restore".
class CheckVersionsFlow
{
public:
    explicit CheckVersionsFlow(FrontEnd& frontEnd);

    FlowOutcome run();

    // What the check found, for the update or restore that follows.
    const DeviceState& state() const { return found; }
    // The actions offered at the end (FrontEnd::Action values).
    int offered() const { return offeredActions; }

private:
    void detect();
    bool bootstrap(); // false when the operator chose to stop
    bool bootstrapFromRecord();
    void bootstrapAs(int deviceType);
    FlowOutcome report();
    FlowOutcome reportOperational();
    FlowOutcome giveVerdict(bool unfinished);
    FlowOutcome askAboutDowngrade();
    void offer(int actions);

    FrontEnd& frontEnd;
    DeviceState found;
    int offeredActions = FrontEnd::NoAction;
};

#endif
