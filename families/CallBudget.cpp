#include "families/CallBudget.h"

#include <algorithm>
#include <cmath>

CallBudget::CallBudget(const OperatorText& step, Seconds estimated, Seconds allowed)
    : what(step), estimated(estimated), allowed(allowed)
{
}

CallBudget CallBudget::query(const OperatorText& step)
{
    return CallBudget(step, Seconds(0), Seconds(60));
}

CallBudget CallBudget::bootstrap(const OperatorText& step)
{
    return CallBudget(step, Seconds(0), Seconds(180));
}

CallBudget CallBudget::erasing(const OperatorText& step, Seconds announced)
{
    return CallBudget(step, announced, std::max(3 * announced, Seconds(120)));
}

// Read once: a budget must not change under a call that is running.
double CallBudget::scale()
{
    static const double factor = [] {
        bool ok = false;
        const double value = qEnvironmentVariable("RZ_STALL_SCALE").toDouble(&ok);
        return ok && std::isfinite(value) && value > 0 ? value : 1.0;
    }();
    return factor;
}

CallBudget::Milliseconds CallBudget::scaled(Seconds unscaled)
{
    return Milliseconds(std::llround(double(unscaled.count()) * 1000.0 * scale()));
}

QString CallBudget::describe(Seconds unscaled)
{
    const long long seconds = unscaled.count();
    if (seconds == 1)
        return OperatorText::tr("1 second");
    if (seconds < 120)
        return OperatorText::tr("%n seconds", nullptr, int(seconds));
    return OperatorText::tr("%n minutes", nullptr, int(seconds / 60));
}

QString CallBudget::describeElapsed(Milliseconds scaledElapsed)
{
    return describe(Seconds(std::llround(double(scaledElapsed.count()) / 1000.0 / scale())));
}
