#ifndef FLOWOUTCOME_H
#define FLOWOUTCOME_H

// How a check, update or restore ended, for the front end to show or turn
// into an exit code, and for the run's record.
enum class FlowOutcome {
    Done,         // checked, or written successfully
    Refused,      // stopped before anything was written
    NothingFound, // no instrument answered
    Failed,       // a write or a query failed
    Cancelled,    // the operator chose to stop
    Stalled,      // the instrument stopped answering a call, which was abandoned
};

#endif
