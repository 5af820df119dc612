#ifndef REHEARSAL_H
#define REHEARSAL_H

#include <QString>

// A run is a rehearsal when the device library that answers it is the
// simulated one replaying a recording of another run's calls: nothing it
// does happened to an instrument. Only the library loaded can say so, never
// the environment: the simulated library exports rzsimReplaySource()
// (device/rzsim_extension.h); the maker's library has no such call, and a
// run on it is never a rehearsal, whatever RZ_SIM_REPLAY says.
class Rehearsal
{
public:
    // The recording replayed, absolute; empty when the library answers for
    // an instrument. Asked of the library once: it is loaded for good.
    static QString recording();
};

#endif
