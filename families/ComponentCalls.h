#ifndef COMPONENTCALLS_H
#define COMPONENTCALLS_H

#include <QString>

#include <functional>

// How one configuration family of the device library clears and writes one
// firmware component, and what the update and the restore say about it.
struct ComponentCalls
{
    using Clear = std::function<int(int handle, double* progress)>;
    using Write = std::function<int(int handle, const char* image, int serial, double* progress)>;

    QString component; // "boot", "run", "fx3" or "fpga", as the catalogue names it
    Clear clear;
    Write write;
    bool showsProgress = false;     // the library raises a percentage while it works
    bool updatePassesSerial = true; // else an update's write passes -1

    QString updateAnnounce;
    QString updateSkip;
    QString restoreAnnounce;
    QString restoreClearFailed;
    QString restoreWriteFailed;
};

#endif
