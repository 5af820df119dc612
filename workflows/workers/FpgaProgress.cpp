#include "workflows/workers/FpgaProgress.h"

#include <cmath>

std::shared_ptr<double> FpgaProgress::begin()
{
    double zero = 0.0; // clang's __atomic_store takes no pointer to const
    __atomic_store(value.get(), &zero, __ATOMIC_RELAXED);
    running.store(true);
    return value;
}

void FpgaProgress::end()
{
    running.store(false);
}

int FpgaProgress::percent() const
{
    if (!running.load())
        return -1;
    // The library writes the double while the GUI reads it: an atomic load
    // never sees half a value. An odd value is shown as a plausible one.
    double current = 0.0;
    __atomic_load(value.get(), &current, __ATOMIC_RELAXED);
    if (!std::isfinite(current) || current < 0.0)
        return 0;
    return current > 100.0 ? 100 : static_cast<int>(current);
}
