#include "records/run/RunRecord.h"

#include "families/CallBudget.h"
#include "families/Rehearsal.h"

RunRecord::RunRecord(RunDisplay& display, const QString& command)
    : display(display), replayed(Rehearsal::recording()),
      transcript([this](const OperatorLines& lines, RunDisplay::Kind kind) { show(lines, kind); }),
      report(command, replayed)
{
}

RunRecord::~RunRecord() = default;

void RunRecord::begin(bool showBanner, const QString& action)
{
    transcript.begin(showBanner, action, replayed);
}

void RunRecord::note(const RunEvent& event)
{
    std::visit([this](const auto& what) { hear(what); }, event.what());
}

void RunRecord::hear(const RunEvent::Lines& lines)
{
    transcript.add(lines.texts, lines.kind);
}

void RunRecord::hear(const RunEvent::Progress& progress)
{
    display.showPercent(progress.percent);
}

// Shown apart from the log where the busy state is shown, and kept in the
// log like any line.
void RunRecord::hear(const StillWorking& notice)
{
    const OperatorText line = notice.line();
    display.showBusyNote(line);
    say(line);
}

void RunRecord::hear(const RunEvent::Found& found)
{
    forgetWrite();
    report.setFound(found.state, found.release);
}

void RunRecord::hear(const RunEvent::AttemptOpened& opened)
{
    openAttempt(opened.attempt, opened.resuming);
}

void RunRecord::hear(const RunEvent::Erased&)
{
    erasedAny = true;
    report.setErased();
}

// The history keeps the write's first reason, the report the last one given.
void RunRecord::hear(const RunEvent::Failure& failed)
{
    if (failure.isEmpty())
        failure = failed.reason;
    report.setReason(failed.reason);
    if (!failed.reason.isEmpty())
        display.showReason(failed.reason);
}

void RunRecord::hear(const RunEvent::Verdict& verdict)
{
    endAttempt(verdict.outcome);
}

void RunRecord::hear(const RunEvent::StepStarted& step)
{
    display.showStepStart(step.component, step.estimate, step.budget);
}

void RunRecord::sync()
{
    transcript.sync();
    display.logKept();
}

void RunRecord::show(const OperatorLines& lines, RunDisplay::Kind kind)
{
    shown += OperatorText::englishOf(lines);
    display.showLines(lines, kind);
}

void RunRecord::say(const OperatorText& line)
{
    transcript.add({line}, RunDisplay::Kind::Plain);
}

// The worker knows what it is about to write; the row names this run's
// session log, the library that answered it and the scale its calls' times
// were given. A rehearsal opens no history. Nothing is erased before the
// operator was told not to disconnect.
void RunRecord::openAttempt(UpdateAttempt attempt, bool resuming)
{
    transcript.warnBeforeWriting();
    attempt.log = transcript.logPath();
    attempt.libraryVersion = transcript.libraryVersion();
    attempt.stallScale = CallBudget::scale();
    if (!keepsRecords())
        return;
    history = std::make_unique<UpdateHistory>([this](const OperatorText& line) { say(line); });
    attemptId = history->begin(attempt, resuming);
}

// A call that never returned leaves the instrument as it was then: neither
// written nor failed, and its pending record stays for the next run.
void RunRecord::endAttempt(FlowOutcome outcome)
{
    const bool written = outcome == FlowOutcome::Done;
    if (history) {
        if (outcome == FlowOutcome::Stalled && erasedAny)
            history->interrupt(attemptId, failure.english());
        else
            history->finish(attemptId, written, failure.english());
        history.reset();
    }
    report.setWrite(attemptId, written);
    forgetWrite();
}

// A check's failure is no write's; a stop before the first erase fails the
// write before its attempt is announced.
void RunRecord::forgetWrite()
{
    failure = OperatorText();
    erasedAny = false;
}

OperatorText RunRecord::reason(FlowOutcome outcome) const
{
    return report.reason(outcome);
}

QJsonObject RunRecord::finishReport(FlowOutcome outcome, int exitCode) const
{
    return report.finish(outcome, exitCode, transcript.logPath(), transcript.libraryVersion(), shown);
}
