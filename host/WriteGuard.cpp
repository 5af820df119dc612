#include "host/WriteGuard.h"

#include <QSocketNotifier>

#include <atomic>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>

namespace {

// The stop of the guard that lives, if any: outside a guard a stop signal
// acts at once.
std::atomic<StopRequest*> guarded{nullptr};
std::atomic<bool> pauseAsked{false};
static_assert(std::atomic<StopRequest*>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
              "a signal handler may only touch lock-free atomics");
// Written by the handlers, once per kind of notice; read by the guard on
// its own thread.
int noticePipe[2] = {-1, -1};
const char stopNotice = 's';
const char pauseNotice = 'p';

const int stopSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
const int pauseSignals[] = {SIGTSTP, SIGTTIN, SIGTTOU};
struct sigaction pausesBefore[std::size(pauseSignals)];

void notify(char notice)
{
    const ssize_t ignored = ::write(noticePipe[1], &notice, 1);
    (void)ignored;
}

// Only async-signal-safe calls here: lock-free atomics, write(), signal(),
// raise().
void onStopSignal(int signalNumber)
{
    StopRequest* const stop = guarded.load();
    if (!stop) {
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
        return;
    }
    if (stop->ask(signalNumber))
        notify(stopNotice);
}

void onPauseSignal(int)
{
    if (!pauseAsked.exchange(true))
        notify(pauseNotice);
}

struct sigaction handledBy(void (*handler)(int))
{
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // Restarted system calls: the event loop and the device library go on
    // as if nothing had happened.
    action.sa_flags = SA_RESTART;
    return action;
}

} // namespace

// Installed by the guard itself, so that no program can guard a write and
// forget the handlers.
WriteGuard::WriteGuard(StopRequest& stop, Announce announce)
    : announce(std::move(announce))
{
    install();
    if (noticePipe[0] >= 0) {
        notifier = std::make_unique<QSocketNotifier>(noticePipe[0], QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [this] { takeNotices(); });
    }
    pauseAsked = false;
    guarded = &stop;
    holdPauses(true);
}

// A stop asked for in the write's last moments is still announced.
WriteGuard::~WriteGuard()
{
    holdPauses(false);
    guarded = nullptr;
    takeNotices();
}

void WriteGuard::holdPauses(bool hold)
{
    for (std::size_t index = 0; index < std::size(pauseSignals); ++index) {
        if (!hold) {
            sigaction(pauseSignals[index], &pausesBefore[index], nullptr);
            continue;
        }
        struct sigaction action = handledBy(&onPauseSignal);
        if (pauseSignals[index] != SIGTSTP)
            action.sa_handler = SIG_IGN;
        sigaction(pauseSignals[index], &action, &pausesBefore[index]);
    }
}

void WriteGuard::takeNotices()
{
    char notice = 0;
    while (noticePipe[0] >= 0 && ::read(noticePipe[0], &notice, 1) == 1) {
        if (announce)
            announce(notice == pauseNotice ? Notice::Pause : Notice::Stop);
    }
}

void WriteGuard::install()
{
    if (noticePipe[0] < 0 && ::pipe2(noticePipe, O_NONBLOCK | O_CLOEXEC) != 0)
        noticePipe[0] = noticePipe[1] = -1;
    const struct sigaction action = handledBy(&onStopSignal);
    for (int signalNumber : stopSignals)
        sigaction(signalNumber, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}
