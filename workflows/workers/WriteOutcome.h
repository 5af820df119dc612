#ifndef WRITEOUTCOME_H
#define WRITEOUTCOME_H

#include <QString>

#include <utility>

// How an update or a restore ended, as its worker hands it back once it has
// finished: written or not, refused before anything was erased, whether a
// clear reached the instrument, and the first reason.
class WriteOutcome
{
public:
    WriteOutcome() = default;
    WriteOutcome(bool written, bool refused, bool erased, QString failureReason)
        : writtenAll(written), refusedStart(refused), erasedSome(erased), reason(std::move(failureReason))
    {
    }

    bool written() const { return writtenAll; }
    // Stopped before anything on the instrument was erased.
    bool refused() const { return refusedStart; }
    // Whether a clear was sent to the instrument.
    bool erasedAny() const { return erasedSome; }
    // Why the first failure or refusal happened, naming the step and the
    // instrument, for the history and the report; the log has its own line.
    const QString& failureReason() const { return reason; }

private:
    bool writtenAll = false;
    bool refusedStart = false;
    bool erasedSome = false;
    QString reason;
};

#endif
