#include "families/StillWorking.h"

StillWorking StillWorking::of(const CallBudget& budget, CallBudget::Milliseconds elapsed)
{
    return StillWorking{budget.step(), elapsed, budget.announced(), budget.estimate(), CallBudget::scale()};
}

OperatorText StillWorking::line() const
{
    const OperatorText estimated = CallBudget::describe(announced);
    if (scale != 1.0)
        return OperatorText::tr("Still working: %1 for %2, estimated %3, scaled by RZ_STALL_SCALE=%4 to %5; "
                                "keep the instrument connected.")
            .arg(step)
            .arg(CallBudget::describeElapsed(elapsed))
            .arg(estimated)
            .arg(QString::number(scale))
            .arg(CallBudget::describeElapsed(estimate));
    return OperatorText::tr("Still working: %1 for %2, estimated %3; keep the instrument connected.")
        .arg(step)
        .arg(CallBudget::describeElapsed(elapsed))
        .arg(estimated);
}
