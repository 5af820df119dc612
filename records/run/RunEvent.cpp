#include "records/run/RunEvent.h"

RunEvent RunEvent::line(const QString& text, RunDisplay::Kind kind)
{
    RunEvent event(Type::Lines);
    event.text = QStringList{text};
    event.shownAs = kind;
    return event;
}

RunEvent RunEvent::lines(const QStringList& texts)
{
    RunEvent event(Type::Lines);
    event.text = texts;
    return event;
}

RunEvent RunEvent::status(const QString& text, bool success)
{
    return line(text, success ? RunDisplay::Kind::Success : RunDisplay::Kind::Failure);
}

RunEvent RunEvent::progress(int percent)
{
    RunEvent event(Type::Progress);
    event.figure = percent;
    return event;
}

RunEvent RunEvent::stillWorking(const StillWorking& notice)
{
    RunEvent event(Type::StillWorking);
    event.busy = notice;
    return event;
}

RunEvent RunEvent::found(const DeviceState& state, const std::optional<SignedRelease>& release)
{
    RunEvent event(Type::Found);
    event.device = state;
    event.signedRelease = release;
    return event;
}

RunEvent RunEvent::attemptOpened(const UpdateAttempt& attempt, bool resuming)
{
    RunEvent event(Type::AttemptOpened);
    event.row = attempt;
    event.resumes = resuming;
    return event;
}

RunEvent RunEvent::erased()
{
    return RunEvent(Type::Erased);
}

RunEvent RunEvent::failure(const QString& reason)
{
    RunEvent event(Type::Failure);
    event.text = QStringList{reason};
    return event;
}

RunEvent RunEvent::verdict(FlowOutcome outcome)
{
    RunEvent event(Type::Verdict);
    event.ended = outcome;
    return event;
}

// The budget is the one each of the step's calls gets (CallBudget::erasing);
// the calls' own names are not needed for it.
RunEvent RunEvent::stepStarted(const QString& component, CallBudget::Seconds announced, CallBudget::Seconds budget)
{
    RunEvent event(Type::StepStarted);
    event.part = component;
    event.estimated = CallBudget::scaled(announced);
    event.allowed = CallBudget::scaled(budget);
    return event;
}
