#ifndef COMPONENTCALLS_H
#define COMPONENTCALLS_H

#include "families/CallBudget.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

// How one configuration family of the device library clears and writes one
// firmware component, and what the update and the restore say about it.
// The lines announce how long the clear and write take; each of the two
// calls is given a budget from that.
struct ComponentCalls
{
    using Clear = std::function<int(int handle, double* progress)>;
    using Write = std::function<int(int handle, const char* image, int serial, double* progress)>;
    using Seconds = CallBudget::Seconds;
    // The figure the library raises, shared with the call: a call given up
    // on may still write it.
    using Progress = std::shared_ptr<double>;

    QString component; // "boot", "run", "fx3" or "fpga", as the catalogue names it
    Clear clear;       // the library's calls themselves, untimed
    Write write;
    bool showsProgress = false;     // the library raises a percentage while it works
    bool updatePassesSerial = true; // else an update's write passes -1

    OperatorText label; // the component in the update's lines: "boot Fx3", "FPGA"
    Seconds updateEstimate{0};
    // The restore names some components otherwise, or announces another
    // estimate; a row states only those, and the restore says what the
    // update says elsewhere.
    std::optional<OperatorText> restoreLabel = std::nullopt;
    std::optional<Seconds> restoreEstimate = std::nullopt;
    OperatorText restoreClearFailed;

    Seconds restoreSeconds() const { return restoreEstimate.value_or(updateEstimate); }
    OperatorText updateAnnounce() const { return announce(label, updateEstimate); }
    OperatorText restoreAnnounce() const { return announce(restoreLabel.value_or(label), restoreSeconds()); }
    OperatorText updateSkip() const { return OperatorText::tr("Skipping %1, already current version.").arg(label); }
    OperatorText restoreWriteFailed() const { return OperatorText::tr("Failed writing %1.").arg(label); }

    // The clear and write, each timed against what the line announced. The
    // call takes its own copy of the image's name; `progress` may be null.
    int timedClear(int handle, const Progress& progress, Seconds announced) const;
    int timedWrite(int handle, const std::string& image, int serial, const Progress& progress,
                   Seconds announced) const;

    // A clear or write call of the device library as a row takes it: its
    // status as an int, given the progress pointer or the serial number only
    // where the call takes one.
    template <auto call>
    static int clearing(int handle, double* progress);
    template <auto call>
    static int writing(int handle, const char* image, int serial, double* progress);

private:
    static OperatorText announce(const OperatorText& what, Seconds estimate)
    {
        return OperatorText::tr("Updating %1, estimated %2.").arg(what).arg(CallBudget::describe(estimate));
    }
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
