#ifndef WRITEVERDICT_H
#define WRITEVERDICT_H

#include "catalogue/OperatorText.h"

#include "host/StopRequest.h"
#include "records/run/RunEvent.h"
#include "workflows/workers/WriteOutcome.h"

#include <QString>

#include <functional>

// How a write stands while it runs: whether anything was erased, the first
// reason it failed, a refusal's advice, and the stop's rules: a stop before
// the first erase ends the write there, erasing nothing; from the first
// erase on, it waits for the write. Says the lines that report a failure,
// and tells the run's record of the first erase and of the first reason as
// they happen.
class WriteVerdict
{
public:
    using LineSink = std::function<void(const OperatorText&)>;
    using EventSink = std::function<void(const RunEvent&)>;

    // `instrument` names the instrument in the reasons: "RZ610R 12345".
    WriteVerdict(StopRequest& stop, QString instrument, LineSink say, EventSink tell);

    // Says the line, then keeps and tells the reason unless an earlier
    // failure gave one.
    void fail(const OperatorText& line, const OperatorText& reason);
    // True for a non-zero status, after the line that reports it (none when
    // a stop or a call that stopped answering said why).
    bool failed(int status, const OperatorText& line, const OperatorText& reason);
    // Nothing was erased and the write ends: `advice` says what to do; the
    // first refusal's stands.
    void refuse(const OperatorText& advice);
    // The advice once what the line before names is put right.
    void refuseUntilFixed();
    // A call was abandoned: the instrument stopped answering, which its
    // line said; true, with that line, naming the instrument, as the
    // failure.
    bool stoppedAnswering();

    // Checked before the first erase: true, after the stop's line, when a
    // stop ends the write there.
    bool stopEnds();
    // Whether the first erase may begin: false, after the stop's line, when
    // a stop came first; true, after telling RunEvent::erased(), when it
    // begins. Always true once something was erased.
    bool mayErase();
    bool erased() const { return erasedSome; }
    // A stop ended the write before anything was erased.
    bool stopped() const { return stoppedByStop; }

    const QString& instrument() const { return named; }
    WriteOutcome outcome(bool written) const;

private:
    void honourStop();
    void keepReason(const OperatorText& reason);

    StopRequest& stop;
    const QString named;
    const LineSink say;
    const EventSink tell;
    bool erasedSome = false;
    bool stoppedByStop = false;
    bool refused = false;
    OperatorText failureReason;
    OperatorText advice;
};

#endif
