#ifndef CHECKVERSIONSFLOW_H
#define CHECKVERSIONSFLOW_H

#include "catalogue/OperatorText.h"

#include "catalogue/release/SignedRelease.h"
#include "catalogue/DeviceState.h"
#include "records/run/PendingUpdate.h"
#include "workflows/FrontEnd.h"

#include <QStringList>

class RunRecord;

#include <optional>

// "Check Versions": detects the instrument while the front end shows it is
// busy, bootstraps one that answers nothing once the operator names its
// model (or asked to finish the one update on record that did not finish),
// reports what was found and offers "Update" or "Restore", saying what to
// do next in the front end's words. Nothing is offered, asked or
// bootstrapped without a release (see ReleaseFolder) signed by a trusted key.
class CheckVersionsFlow
{
public:
    // What it finds and says goes to `record`.
    CheckVersionsFlow(FrontEnd& frontEnd, RunRecord& record);

    FlowOutcome run();

    // What the check found, for the update or restore that follows.
    const DeviceState& state() const { return found; }
    // The actions offered at the end (FrontEnd::Action values).
    int offered() const { return offeredActions; }
    // The release's signature as the check found it, whatever its verdict,
    // for the report; none where no release folder was found. Only a
    // verified one lets the check offer a write.
    const std::optional<SignedRelease>& release() const { return checkedRelease; }
    // The updates on record that did not finish, when nothing answered.
    const QList<PendingUpdate>& unfinishedUpdates() const { return unfinishedRecords; }

private:
    void say(const OperatorText& line);
    // The check's verdict: what it found to do, or that nothing answered.
    void conclude(const OperatorText& line);
    // Why the check fails or refuses, naming the instrument where known.
    void noteFailure(const OperatorText& reason);
    void detect();
    // Says why the release is refused, in place of an offer.
    FlowOutcome refuseRelease();
    FlowOutcome stalled();
    bool bootstrap(); // false when the operator chose to stop
    bool bootstrapFromRecord(const PendingUpdate& pending);
    void sayUnfinished(const PendingUpdate& pending);
    void bootstrapAs(int deviceType);
    FlowOutcome report();
    FlowOutcome reportOperational();
    FlowOutcome giveVerdict(bool unfinished);
    FlowOutcome askAboutDowngrade();
    void offer(int actions);
    void sayWhatNext(FrontEnd::Action offered);

    FrontEnd& frontEnd;
    RunRecord& record;
    DeviceState found;
    int offeredActions = FrontEnd::NoAction;
    std::optional<SignedRelease> signedRelease; // verified
    std::optional<SignedRelease> checkedRelease;
    OperatorLines releaseRefusal;
    QList<PendingUpdate> unfinishedRecords;
    OperatorLines notes; // where the release was found, keys that could not be used
};

#endif
