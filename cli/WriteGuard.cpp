#include "cli/WriteGuard.h"

#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t writing = 0;
volatile std::sig_atomic_t stopAsked = 0;

const char stopMessage[] = "Firmware is being written; stopping now could leave the instrument unusable. "
                           "The updater will stop when this step ends.\n";

// Only async-signal-safe calls here: write(), signal(), raise().
void onStopSignal(int signalNumber)
{
    if (!writing) {
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
        return;
    }
    if (!stopAsked) {
        stopAsked = 1;
        const ssize_t ignored = ::write(STDERR_FILENO, stopMessage, sizeof stopMessage - 1);
        (void)ignored;
    }
}

} // namespace

WriteGuard::WriteGuard()
{
    writing = 1;
}

WriteGuard::~WriteGuard()
{
    writing = 0;
}

void WriteGuard::install()
{
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = &onStopSignal;
    sigemptyset(&action.sa_mask);
    // Restarted system calls: the event loop and the device library go on
    // as if nothing had happened.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool WriteGuard::stopRequested()
{
    return stopAsked != 0;
}
