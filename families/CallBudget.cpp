#include "families/CallBudget.h"

#include <algorithm>
#include <cmath>

CallBudget::CallBudget(const QString& step, Seconds estimated, Seconds allowed)
    : what(step), estimated(estimated), allowed(allowed)
{
}

CallBudget CallBudget::query(const QString& step)
{
    return CallBudget(step, Seconds(0), Seconds(60));
}

CallBudget CallBudget::bootstrap(const QString& step)
{
    return CallBudget(step, Seconds(0), Seconds(180));
}

CallBudget CallBudget::erasing(const QString& step, Seconds announced)
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
    if (seconds < 120)
        return seconds == 1 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(seconds);
    return QStringLiteral("%1 minutes").arg(seconds / 60);
}

QString CallBudget::describeElapsed(Milliseconds scaledElapsed)
{
    return describe(Seconds(std::llround(double(scaledElapsed.count()) / 1000.0 / scale())));
}
