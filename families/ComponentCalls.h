#ifndef COMPONENTCALLS_H
#define COMPONENTCALLS_H

#include <QString>

#include <functional>
#include <type_traits>

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

    QString label;    // the component in the lines: "boot Fx3", "FPGA"
    QString estimate; // how long an update's clear and write take
    // The restore's announcement and clear failure, written out whole: some
    // name the component otherwise than the update's lines do.
    QString restoreAnnounce;
    QString restoreClearFailed;

    QString updateAnnounce() const { return QStringLiteral("Updating %1, estimated %2.").arg(label, estimate); }
    QString updateSkip() const { return QStringLiteral("Skipping %1, already current version.").arg(label); }
    QString restoreWriteFailed() const { return QStringLiteral("Failed writing %1.").arg(label); }

    // A clear or write call of the device library as a row takes it: its
    // status as an int, given the progress pointer or the serial number only
    // where the call takes one.
    template <auto call>
    static int clearing(int handle, double* progress);
    template <auto call>
    static int writing(int handle, const char* image, int serial, double* progress);
};

template <auto call>
int ComponentCalls::clearing(int handle, double* progress)
{
    if constexpr (std::is_invocable_v<decltype(call), int, double*>)
        return int(call(handle, progress));
    else
        return int(call(handle));
}

template <auto call>
int ComponentCalls::writing(int handle, const char* image, int serial, double* progress)
{
    if constexpr (std::is_invocable_v<decltype(call), int, const char*, double*>)
        return int(call(handle, image, progress));
    else if constexpr (std::is_invocable_v<decltype(call), int, const char*, int>)
        return int(call(handle, image, serial));
    else
        return int(call(handle, image));
}

#endif
