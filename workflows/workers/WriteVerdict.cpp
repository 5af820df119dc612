#include "workflows/workers/WriteVerdict.h"

#include "catalogue/OperatorText.h"
#include "families/LibraryThread.h"

#include <utility>

WriteVerdict::WriteVerdict(StopRequest& stop, QString instrument, LineSink say, EventSink tell)
    : stop(stop), named(std::move(instrument)), say(std::move(say)), tell(std::move(tell))
{
}

// The record has the line that reports the failure before its reason.
void WriteVerdict::fail(const OperatorText& line, const OperatorText& reason)
{
    say(line);
    if (failureReason.isEmpty())
        keepReason(reason);
}

void WriteVerdict::keepReason(const OperatorText& reason)
{
    if (reason.isEmpty() || reason == failureReason)
        return;
    failureReason = reason;
    tell(RunEvent::failure(reason));
}

bool WriteVerdict::failed(int status, const OperatorText& line, const OperatorText& reason)
{
    if (status == 0)
        return false;
    if (stopEnds() || stoppedAnswering())
        return true;
    fail(line, reason);
    return true;
}

void WriteVerdict::refuse(const OperatorText& nextStep)
{
    if (!refused)
        advice = nextStep;
    refused = true;
}

void WriteVerdict::refuseUntilFixed()
{
    refuse(OperatorText::tr("Nothing on the instrument was changed. Once what the line above names is put right, "
                            "start the update again."));
}

// The call's own line said so; the reason on record names the instrument too.
bool WriteVerdict::stoppedAnswering()
{
    if (!LibraryThread::abandoned())
        return false;
    keepReason(LibraryThread::abandonReason(named));
    return true;
}

// Checked between the steps that come before the first erase, and by the
// library's door during a call: a stop then erases nothing.
bool WriteVerdict::stopEnds()
{
    if (erasedSome || !stop.endsAtOnce())
        return false;
    honourStop();
    return true;
}

void WriteVerdict::honourStop()
{
    if (stoppedByStop)
        return;
    stoppedByStop = true;
    refuse(OperatorText::tr("Nothing on the instrument was changed. Start the update again when ready."));
    fail(OperatorText::tr("Stopped before anything was erased."),
         OperatorText::tr("Stopped before anything was erased on %1.").arg(named));
}

// The first erase is where a stop stops being honoured at once: from then
// on it waits for the procedure's last write.
bool WriteVerdict::mayErase()
{
    if (erasedSome)
        return true;
    // Asked of the stop itself, so that every reader sees the stop and the
    // first erase in the same order.
    if (stop.beginErasing()) {
        erasedSome = true;
        tell(RunEvent::erased());
        return true;
    }
    honourStop();
    return false;
}

WriteOutcome WriteVerdict::outcome(bool written) const
{
    const WriteOutcome::End end = written ? WriteOutcome::End::Written
                                  : refused ? WriteOutcome::End::Refused
                                            : WriteOutcome::End::Failed;
    return WriteOutcome(end, refused ? advice : OperatorText());
}
