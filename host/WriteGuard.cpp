#include "host/WriteGuard.h"

#include <QSocketNotifier>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t writing = 0;
volatile std::sig_atomic_t stopAsked = 0; // the first stop signal's number
// Written once by the handler, read by the guard on its own thread.
int noticePipe[2] = {-1, -1};

// Only async-signal-safe calls here: write(), signal(), raise().
void onStopSignal(int signalNumber)
{
    if (!writing) {
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
        return;
    }
    if (!stopAsked) {
        stopAsked = signalNumber;
        const ssize_t ignored = ::write(noticePipe[1], "!", 1);
        (void)ignored;
    }
}

} // namespace

// Installed by the guard itself, so that no program can guard a write and
// forget the handlers.
WriteGuard::WriteGuard(std::function<void()> announce)
    : announce(std::move(announce))
{
    install();
    if (noticePipe[0] >= 0) {
        notifier = std::make_unique<QSocketNotifier>(noticePipe[0], QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [this] { takeNotice(); });
    }
    writing = 1;
}

// A stop asked for in the write's last moments is still announced.
WriteGuard::~WriteGuard()
{
    writing = 0;
    takeNotice();
}

void WriteGuard::takeNotice()
{
    char byte = 0;
    if (noticePipe[0] < 0 || ::read(noticePipe[0], &byte, 1) != 1)
        return;
    if (announce)
        announce();
}

void WriteGuard::install()
{
    if (noticePipe[0] < 0 && ::pipe2(noticePipe, O_NONBLOCK | O_CLOEXEC) != 0)
        noticePipe[0] = noticePipe[1] = -1;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = &onStopSignal;
    sigemptyset(&action.sa_mask);
    // Restarted system calls: the event loop and the device library go on
    // as if nothing had happened.
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        sigaction(signalNumber, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

bool WriteGuard::stopRequested()
{
    return stopAsked != 0;
}

int WriteGuard::stopExitCode()
{
    return 128 + stopAsked;
}
