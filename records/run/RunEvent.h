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
#include <utility>
#include <variant>

// Something that happened in a run, as the work reports it to the run's
// record (RunRecord::note), which alone keeps the session log, the history
// row and the report for scripts, and shows what is to be shown. Each kind
// carries its own fields only.
class RunEvent
{
public:
    // Lines for the operator, of one kind.
    struct Lines
    {
        OperatorLines texts;
        RunDisplay::Kind kind = RunDisplay::Kind::Plain;
    };
    // The FPGA's percentage, or -1.
    struct Progress
    {
        int percent = -1;
    };
    // What the check found, and who signed the release.
    struct Found
    {
        DeviceState state;
        std::optional<SignedRelease> release;
    };
    // A write is about to begin: the history's row. Resuming: the attempt
    // finishes one a pending record tells of.
    struct AttemptOpened
    {
        UpdateAttempt attempt;
        bool resuming = false;
    };
    // A component was erased: the instrument changed.
    struct Erased
    {
    };
    // Why the run failed or refused, naming the instrument.
    struct Failure
    {
        OperatorText reason;
    };
    // How a write ended.
    struct Verdict
    {
        FlowOutcome outcome = FlowOutcome::Done;
    };
    // A component's clear-then-write begins: its calls' estimate and
    // budget, scaled.
    struct StepStarted
    {
        QString component;
        CallBudget::Milliseconds estimate{0};
        CallBudget::Milliseconds budget{0};
    };
    // A step takes longer than announced: StillWorking.
    using Kind = std::variant<Lines, Progress, StillWorking, Found, AttemptOpened, Erased, Failure, Verdict, StepStarted>;

    // No lines: what a queued call is made from.
    RunEvent();

    static RunEvent line(const OperatorText& text, RunDisplay::Kind kind = RunDisplay::Kind::Plain);
    static RunEvent lines(const OperatorLines& texts);
    // A write's verdict line: green or red.
    static RunEvent status(const OperatorText& text, bool success);
    static RunEvent progress(int percent);
    static RunEvent stillWorking(const StillWorking& notice);
    static RunEvent found(const DeviceState& state, const std::optional<SignedRelease>& release);
    static RunEvent attemptOpened(const UpdateAttempt& attempt, bool resuming);
    static RunEvent erased();
    static RunEvent failure(const OperatorText& reason);
    static RunEvent verdict(FlowOutcome outcome);
    // `announced` is the estimate the step's line gives, `budget` what each
    // of its calls is allowed, both unscaled, as the plan has them.
    static RunEvent stepStarted(const QString& component, CallBudget::Seconds announced, CallBudget::Seconds budget);

    // For std::visit.
    const Kind& what() const { return event; }

private:
    explicit RunEvent(Kind event) : event(std::move(event)) {}

    Kind event;
};

// A worker's events cross to the flow's thread as queued calls.
Q_DECLARE_METATYPE(RunEvent)

#endif
