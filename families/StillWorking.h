#ifndef STILLWORKING_H
#define STILLWORKING_H

#include "families/CallBudget.h"

#include <QString>

// A call past its estimate, as it tells so once a minute while it is
// waited for: what it does, how long it has taken so far, and the estimate
// its line announced, as announced and as the call is timed under
// RZ_STALL_SCALE. Whoever keeps the run's lines turns it into its line.
struct StillWorking
{
    OperatorText step;                 // "writing FPGA"
    CallBudget::Milliseconds elapsed;  // since the call began
    CallBudget::Seconds announced;     // unscaled
    CallBudget::Milliseconds estimate; // scaled
    double scale = 1.0;                // RZ_STALL_SCALE when it was said

    // A call of `budget`, `elapsed` after it began.
    static StillWorking of(const CallBudget& budget, CallBudget::Milliseconds elapsed);

    // "Still working: writing FPGA for 7 minutes, estimated 6 minutes; ...".
    // Under a scale the estimate the call is past is the scaled one, and
    // the line says so.
    OperatorText line() const;
};

#endif
