#ifndef RUNEVENT_H
#define RUNEVENT_H

#include "catalogue/release/SignedRelease.h"
#include "catalogue/DeviceState.h"
#include "families/CallBudget.h"
#include "families/StillWorking.h"
#include "records/history/UpdateAttempt.h"
#include "records/run/FlowOutcome.h"
#include "records/run/RunDisplay.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

#include <optional>

// Something that happened in a run, as the work reports it to the run's
// record (RunRecord::note), which alone keeps the session log, the history
// row and the report for scripts, and shows what is to be shown.
class RunEvent
{
public:
    enum class Type {
        Lines,         // lines for the operator, of one kind
        Progress,      // the FPGA's percentage, or -1
        StillWorking,  // a step takes longer than announced
        Found,         // what the check found, and who signed the release
        AttemptOpened, // a write is about to begin: the history's row
        Erased,        // a component was erased: the instrument changed
        Failure,       // why the run failed or refused, naming the instrument
        Verdict,       // how a write ended
        StepStarted,   // a component's clear-then-write begins
    };

    // No lines: what a queued call is made from.
    RunEvent() = default;

    static RunEvent line(const QString& text, RunDisplay::Kind kind = RunDisplay::Kind::Plain);
    static RunEvent lines(const QStringList& texts);
    // A write's verdict line: green or red.
    static RunEvent status(const QString& text, bool success);
    static RunEvent progress(int percent);
    static RunEvent stillWorking(const StillWorking& notice);
    static RunEvent found(const DeviceState& state, const std::optional<SignedRelease>& release);
    // Resuming: the attempt finishes one a pending record tells of.
    static RunEvent attemptOpened(const UpdateAttempt& attempt, bool resuming);
    static RunEvent erased();
    static RunEvent failure(const QString& reason);
    static RunEvent verdict(FlowOutcome outcome);
    // `announced` is the estimate the step's line gives, `budget` what each
    // of its calls is allowed, both unscaled, as the plan has them.
    static RunEvent stepStarted(const QString& component, CallBudget::Seconds announced, CallBudget::Seconds budget);

    Type type() const { return kind; }
    const QStringList& texts() const { return text; }
    RunDisplay::Kind lineKind() const { return shownAs; }
    int percent() const { return figure; }
    bool resuming() const { return resumes; }
    const DeviceState& state() const { return device; }
    const std::optional<SignedRelease>& release() const { return signedRelease; }
    const std::optional<StillWorking>& notice() const { return busy; }
    const UpdateAttempt& attempt() const { return row; }
    FlowOutcome outcome() const { return ended; }
    // A step's component, and its calls' estimate and budget, scaled.
    const QString& component() const { return part; }
    CallBudget::Milliseconds estimate() const { return estimated; }
    CallBudget::Milliseconds budget() const { return allowed; }

private:
    explicit RunEvent(Type type) : kind(type) {}

    Type kind = Type::Lines;
    QStringList text;
    RunDisplay::Kind shownAs = RunDisplay::Kind::Plain;
    int figure = 0;
    bool resumes = false;
    DeviceState device;
    std::optional<SignedRelease> signedRelease;
    std::optional<StillWorking> busy;
    UpdateAttempt row;
    FlowOutcome ended = FlowOutcome::Done;
    QString part;
    CallBudget::Milliseconds estimated{0};
    CallBudget::Milliseconds allowed{0};
};

// A worker's events cross to the flow's thread as queued calls.
Q_DECLARE_METATYPE(RunEvent)

#endif
