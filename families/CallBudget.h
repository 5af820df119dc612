#ifndef CALLBUDGET_H
#define CALLBUDGET_H

#include "catalogue/OperatorText.h"

#include <QString>

#include <algorithm>
#include <chrono>
#include <optional>

// How long one call into the device library is expected to take, and how
// long it may take before the instrument counts as no longer answering. A
// clear or write may take three times what its line announced, and at least
// two minutes; a bootstrap three minutes; any other call one minute.
// RZ_STALL_SCALE (a factor from 0.001 to 1000, default 1) multiplies every
// estimate and budget, so that tests and benches need not wait for minutes;
// the front ends refuse to start with any other value. A scale in effect is
// said (scaleLine()), and the times the lines give of a call are the ones
// that passed, never scaled back.
class CallBudget
{
public:
    using Seconds = std::chrono::seconds;
    using Milliseconds = std::chrono::milliseconds;

    static CallBudget query(const OperatorText& step);
    static CallBudget bootstrap(const OperatorText& step);
    // A clear or write whose line announced `announced`.
    static CallBudget erasing(const OperatorText& step, Seconds announced);
    // Unscaled: what a clear or write announced `announced` is allowed, and
    // what a query is.
    static Seconds erasingBudget(Seconds announced) { return std::max(3 * announced, Seconds(120)); }
    static Seconds queryBudget() { return Seconds(60); }

    // What the call does, for the operator: "writing FPGA".
    const OperatorText& step() const { return what; }
    // Scaled; an estimate of zero was never announced.
    Milliseconds estimate() const { return scaled(estimated); }
    Milliseconds budget() const { return scaled(allowed); }
    // How often a call past its estimate says it is still working.
    static Milliseconds noticeInterval() { return scaled(Seconds(60)); }

    // A time as the lines give it: "20 seconds", "6 minutes".
    static OperatorText describe(Seconds seconds);
    // A time that passed as the clock measured it, in whole seconds or
    // minutes that passed; "350 milliseconds" below a second, which a
    // small scale makes common.
    static OperatorText describeElapsed(Milliseconds elapsed);
    // What is left of a budget, as the lines give it, rounded up.
    static OperatorText describeAtMost(Milliseconds left);
    // The estimate its line announced, unscaled.
    Seconds announced() const { return estimated; }

    static double scale();
    static bool isScaled() { return scale() != 1.0; }
    // A time as RZ_STALL_SCALE makes it.
    static Milliseconds scaled(Seconds unscaled);
    // "0.001", as RZ_STALL_SCALE gave it.
    static QString scaleText();
    // The line that says a scale is in effect; null without one.
    static OperatorText scaleLine();
    // The line that refuses RZ_STALL_SCALE; null when it is unset or usable.
    static OperatorText scaleProblem();
    // The factor a value of RZ_STALL_SCALE gives; none for a value refused.
    static std::optional<double> parseScale(const QString& text);

private:
    CallBudget(const OperatorText& step, Seconds estimated, Seconds allowed);

    OperatorText what;
    Seconds estimated;
    Seconds allowed;
};

#endif
