#ifndef WRITEOUTCOME_H
#define WRITEOUTCOME_H

#include <QString>

#include <utility>

// How an update or a restore ended, as its worker hands it back once it has
// finished: written, refused before anything was erased, or failed; whether
// a clear reached the instrument; and the first reason.
class WriteOutcome
{
public:
    enum class End { Written, Refused, Failed };

    WriteOutcome() = default;
    WriteOutcome(End end, bool erased, QString failureReason, QString nextStep = QString())
        : ended(end), erasedSome(erased), reason(std::move(failureReason)), advice(std::move(nextStep))
    {
    }

    bool written() const { return ended == End::Written; }
    // Stopped before anything on the instrument was erased.
    bool refused() const { return ended == End::Refused; }
    // Whether a clear was sent to the instrument.
    bool erasedAny() const { return erasedSome; }
    // Why the first failure or refusal happened, naming the step and the
    // instrument, for the history and the report; the log has its own line.
    const QString& failureReason() const { return reason; }
    // For a refusal: what the operator does about its cause, since the
    // instrument was not touched and its cable is not to blame.
    const QString& nextStep() const { return advice; }

private:
    End ended = End::Failed;
    bool erasedSome = false;
    QString reason;
    QString advice;
};

#endif
