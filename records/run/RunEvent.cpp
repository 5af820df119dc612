#include "records/run/RunEvent.h"

RunEvent::RunEvent() : event(Lines{}) {}

RunEvent RunEvent::line(const OperatorText& text, RunDisplay::Kind kind)
{
    return RunEvent(Lines{OperatorLines{text}, kind});
}

RunEvent RunEvent::lines(const OperatorLines& texts)
{
    return RunEvent(Lines{texts, RunDisplay::Kind::Plain});
}

RunEvent RunEvent::status(const OperatorText& text, bool success)
{
    return line(text, success ? RunDisplay::Kind::Success : RunDisplay::Kind::Failure);
}

RunEvent RunEvent::progress(int percent)
{
    return RunEvent(Progress{percent});
}

RunEvent RunEvent::stillWorking(const StillWorking& notice)
{
    return RunEvent(notice);
}

RunEvent RunEvent::found(const DeviceState& state, const std::optional<SignedRelease>& release)
{
    return RunEvent(Found{state, release});
}

RunEvent RunEvent::attemptOpened(const UpdateAttempt& attempt, bool resuming)
{
    return RunEvent(AttemptOpened{attempt, resuming});
}

RunEvent RunEvent::erased()
{
    return RunEvent(Erased{});
}

RunEvent RunEvent::failure(const OperatorText& reason)
{
    return RunEvent(Failure{reason});
}

RunEvent RunEvent::verdict(FlowOutcome outcome)
{
    return RunEvent(Verdict{outcome});
}

// The budget is the one each of the step's calls gets (CallBudget::erasing);
// the calls' own names are not needed for it.
RunEvent RunEvent::stepStarted(const QString& component, CallBudget::Seconds announced, CallBudget::Seconds budget)
{
    return RunEvent(StepStarted{component, CallBudget::scaled(announced), CallBudget::scaled(budget)});
}
