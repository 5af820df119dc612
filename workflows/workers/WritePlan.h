#ifndef WRITEPLAN_H
#define WRITEPLAN_H

#include "families/CallBudget.h"
#include "catalogue/DeviceState.h"
#include "records/history/UpdateAttempt.h"
#include "workflows/workers/WriteStep.h"

#include <QStringList>

#include <optional>
#include <vector>

class DeviceFamily;

// What an update or a restore will do, made before the instrument is opened
// for writing: a row per component of the model, in the catalogue's order,
// written or skipped, with the lines it says, its estimate and the budget of
// its clear and of its write; what the pending record holds; and, for a stop
// that comes while it runs, what the stop still waits for. A value: the
// writer carries it out.
class WritePlan
{
public:
    enum class Procedure { Update, Restore };

    // The calls the writer makes after the open, counted from 0: a step's
    // clear, then its write, for each step written; then the family's
    // finish, where it makes one.
    using Call = int;

    // What a stop waits for: the components still to write (the one under
    // way among them) and the longest that may take, scaled.
    struct Wait
    {
        OperatorLines components;
        CallBudget::Milliseconds atMost{0};
    };

    // `unfinished`: the components the pending record of an earlier
    // operation on this instrument names ("all" for every one); they are
    // written again whatever the versions say.
    WritePlan(Procedure procedure, const DeviceState& state, const DeviceFamily& family,
              const QStringList& unfinished);

    Procedure procedure() const { return how; }
    const DeviceState& state() const { return instrument; }
    const std::vector<WriteStep>& steps() const { return rows; }
    // An earlier operation on this instrument did not finish.
    bool resumes() const { return resuming; }
    // The components written, which the pending record holds with the
    // target version.
    QStringList written() const;
    QString recordedVersion() const { return instrument.targetVersion.versionString(); }

    // The first call of the step at `index` (its clear); none for a
    // skipped step.
    std::optional<Call> clearOf(std::size_t index) const;
    // The finish's call, or where it would be for a family that makes none.
    Call finishCall() const { return 2 * Call(written().size()); }
    // A stop when `next` is the call under way, with `left` of its budget,
    // or the next one to be made (no `left`): it waits for the rest of the
    // write, each call that follows given its whole budget.
    Wait waitFrom(Call next, std::optional<CallBudget::Milliseconds> left) const;

    // Who writes what to which instrument; the writer adds the release it
    // verified and the time it started.
    UpdateAttempt attempt() const;

private:
    WriteStep stepFor(const QString& component, const std::string& image, const DeviceFamily& family) const;
    QString instrumentName() const;

    Procedure how;
    DeviceState instrument;
    std::vector<WriteStep> rows;
    bool resuming = false;
    bool finishes = false;
};

#endif
