#ifndef WRITEOUTCOME_H
#define WRITEOUTCOME_H

#include "catalogue/OperatorText.h"

#include <utility>

// How an update or a restore ended, as its worker hands it back once it has
// finished: written, refused before anything was erased, or failed. Whether
// a clear reached the instrument and why the write failed reached the run's
// record when they happened.
class WriteOutcome
{
public:
    enum class End { Written, Refused, Failed };

    WriteOutcome() = default;
    explicit WriteOutcome(End end, OperatorText nextStep = OperatorText()) : ended(end), advice(std::move(nextStep))
    {
    }

    bool written() const { return ended == End::Written; }
    // Stopped before anything on the instrument was erased.
    bool refused() const { return ended == End::Refused; }
    // For a refusal: what the operator does about its cause, since the
    // instrument was not touched and its cable is not to blame.
    const OperatorText& nextStep() const { return advice; }

private:
    End ended = End::Failed;
    OperatorText advice;
};

#endif
