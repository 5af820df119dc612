#include "families/CallBudget.h"

#include <algorithm>
#include <cmath>

CallBudget::CallBudget(const OperatorText& step, Seconds estimated, Seconds allowed)
    : what(step), estimated(estimated), allowed(allowed)
{
}

CallBudget CallBudget::query(const OperatorText& step)
{
    return CallBudget(step, Seconds(0), queryBudget());
}

CallBudget CallBudget::bootstrap(const OperatorText& step)
{
    return CallBudget(step, Seconds(0), Seconds(180));
}

CallBudget CallBudget::erasing(const OperatorText& step, Seconds announced)
{
    return CallBudget(step, announced, erasingBudget(announced));
}

namespace {

// Within these a budget in milliseconds neither rounds to nothing nor
// overflows the clock's arithmetic.
constexpr double smallestScale = 0.001;
constexpr double largestScale = 1000.0;

std::optional<double> scaleSet()
{
    if (!qEnvironmentVariableIsSet("RZ_STALL_SCALE"))
        return 1.0;
    return CallBudget::parseScale(qEnvironmentVariable("RZ_STALL_SCALE"));
}

} // namespace

std::optional<double> CallBudget::parseScale(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < smallestScale || value > largestScale)
        return std::nullopt;
    return value;
}

// Read once: a budget must not change under a call that is running.
double CallBudget::scale()
{
    static const double factor = scaleSet().value_or(1.0);
    return factor;
}

OperatorText CallBudget::scaleProblem()
{
    if (scaleSet())
        return OperatorText();
    return OperatorText::tr("RZ_STALL_SCALE must be a number from 0.001 to 1000, not \"%1\".")
        .arg(qEnvironmentVariable("RZ_STALL_SCALE"));
}

QString CallBudget::scaleText()
{
    return QString::number(scale());
}

OperatorText CallBudget::scaleLine()
{
    if (!isScaled())
        return OperatorText();
    return OperatorText::tr("RZ_STALL_SCALE is %1: every call's estimate and the time it is allowed are %1 times "
                            "their usual length.")
        .arg(scaleText());
}

OperatorText CallBudget::describeAtMost(Milliseconds left)
{
    long long seconds = std::llround(std::ceil(double(left.count()) / 1000.0));
    // Whole minutes are said of a long step: rounded up, never promising less.
    if (seconds >= 120)
        seconds = (seconds + 59) / 60 * 60;
    return describe(Seconds(std::max(1LL, seconds)));
}

CallBudget::Milliseconds CallBudget::scaled(Seconds unscaled)
{
    return Milliseconds(std::llround(double(unscaled.count()) * 1000.0 * scale()));
}

OperatorText CallBudget::describe(Seconds time)
{
    const long long seconds = time.count();
    if (seconds == 1)
        return OperatorText::tr("1 second");
    if (seconds < 120)
        return OperatorText::tr("%n seconds", nullptr, int(seconds));
    return OperatorText::tr("%n minutes", nullptr, int(seconds / 60));
}

OperatorText CallBudget::describeElapsed(Milliseconds elapsed)
{
    if (elapsed.count() == 1)
        return OperatorText::tr("1 millisecond");
    if (elapsed < Seconds(1))
        return OperatorText::tr("%n milliseconds", nullptr, int(std::max<long long>(0, elapsed.count())));
    // Whole seconds that passed: never more than did.
    return describe(std::chrono::duration_cast<Seconds>(elapsed));
}
