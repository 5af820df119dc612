#include "families/LibraryThread.h"

#include "families/CallRecorder.h"

#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

thread_local const LibraryThread::Listener* listening = nullptr;
thread_local LibraryThread::StopWatch::EndsAtOnce* watching = nullptr;

bool stopEndsCallAtOnce()
{
    return watching && *watching && (*watching)();
}

void say(const OperatorText& line)
{
    if (listening)
        listening->say(line);
}

void tell(const StillWorking& notice)
{
    if (listening)
        listening->tell(notice);
}

CallBudget::Milliseconds since(Clock::time_point started, Clock::time_point now)
{
    return std::chrono::duration_cast<CallBudget::Milliseconds>(now - started);
}

// The figure a call raises, read while the library may be writing it: an
// atomic load never sees half a value.
double figureOf(const LibraryThread::Progress& progress)
{
    double value = 0.0;
    if (progress)
        __atomic_load(progress.get(), &value, __ATOMIC_RELAXED);
    return value;
}

// As the operator reads a figure: an odd one is shown as a plausible one.
int percentOf(double figure)
{
    if (!std::isfinite(figure) || figure < 0.0)
        return 0;
    return figure > 100.0 ? 100 : static_cast<int>(figure);
}

// How often a figure that is shown is looked at.
constexpr std::chrono::milliseconds percentInterval(100);

void showPercent(int percent)
{
    if (listening && listening->showsPercent())
        listening->showPercent(percent);
}

// The thread the library's calls run on, and the one call handed to it.
class CallQueue
{
public:
    // A call stuck in the library is left to the end of the process: a
    // program that did not end by endIfAbandoned() must still end.
    ~CallQueue()
    {
        bool stuck = false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            quitting = true;
            stuck = ended != Ended::Answered && !done;
        }
        callReady.notify_all();
        if (stuck)
            worker.detach();
        else if (worker.joinable())
            worker.join();
    }

    int run(const CallBudget& budget, LibraryThread::Call call, const LibraryThread::Progress& progress);
    void wakeForStop();
    std::optional<CallBudget::Milliseconds> timeLeft();
    bool isAbandoned()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return ended != Ended::Answered;
    }
    OperatorText abandonLine()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return abandonedLine;
    }
    OperatorText abandonReason(const QString& instrument)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (abandonedLine.isEmpty())
            return abandonedLine;
        return LibraryThread::stoppedAnsweringLine(instrument, abandonedStep, abandonedSilence);
    }

private:
    enum class Ended { Answered, StoppedAnswering, GivenUpOnStop };

    void serve();
    bool waitForCall(std::unique_lock<std::mutex>& lock, const CallBudget& budget,
                     const LibraryThread::Progress& progress);
    void abandon(std::unique_lock<std::mutex>& lock, Ended why, const OperatorText& line);

    std::mutex callers;
    std::mutex mutex;
    std::condition_variable callReady;
    std::condition_variable callDone;
    LibraryThread::Call pending;
    bool hasCall = false;
    bool done = false;
    int status = 0;
    bool quitting = false;
    Ended ended = Ended::Answered;
    OperatorText abandonedLine;
    OperatorText abandonedStep;   // what abandonedLine says of the call
    CallBudget::Milliseconds abandonedSilence{0};
    std::optional<Clock::time_point> deadline; // of the call waited for
    std::thread worker;
};

CallQueue& queue()
{
    static CallQueue calls;
    return calls;
}

} // namespace

int CallQueue::run(const CallBudget& budget, LibraryThread::Call call, const LibraryThread::Progress& progress)
{
    // The library takes one call at a time.
    const std::lock_guard<std::mutex> oneCaller(callers);
    std::unique_lock<std::mutex> lock(mutex);
    if (ended != Ended::Answered)
        return LibraryThread::abandonedStatus;
    if (!worker.joinable())
        worker = std::thread([this] { serve(); });
    pending = std::move(call);
    hasCall = true;
    done = false;
    callReady.notify_one();
    const bool answered = waitForCall(lock, budget, progress);
    deadline.reset();
    return answered ? status : LibraryThread::abandonedStatus;
}

// Wakes for a notice, for the budget's end, for a stop, when the call
// returns, and, while the call raises a figure, eight times a budget to see
// whether it still moves, or ten times a second where the figure is shown;
// never in between. A figure is shown as the call raised it, once each time
// it changes, from the thread that waits: told without the lock, as the
// notices are.
bool CallQueue::waitForCall(std::unique_lock<std::mutex>& lock, const CallBudget& budget,
                            const LibraryThread::Progress& progress)
{
    const Clock::time_point started = Clock::now();
    const Clock::time_point late = started + (budget.estimate().count() ? budget.estimate() : budget.budget());
    Clock::time_point nextNotice = late + CallBudget::noticeInterval();
    Clock::time_point lastMoved = started;
    double figure = figureOf(progress);
    const bool showsFigure = progress && listening && listening->showsPercent();
    int shownPercent = -1;
    while (!done) {
        const Clock::time_point now = Clock::now();
        const double seen = figureOf(progress);
        if (seen != figure) {
            figure = seen;
            lastMoved = now;
        }
        if (showsFigure && percentOf(seen) != shownPercent) {
            shownPercent = percentOf(seen);
            lock.unlock();
            showPercent(shownPercent);
            lock.lock();
            if (done)
                break;
        }
        deadline = lastMoved + budget.budget();
        if (stopEndsCallAtOnce()) {
            abandon(lock, Ended::GivenUpOnStop, OperatorText());
            return false;
        }
        if (now >= *deadline) {
            abandonedStep = budget.step();
            abandonedSilence = since(lastMoved, now);
            abandon(lock, Ended::StoppedAnswering,
                    LibraryThread::stoppedAnsweringLine(QString(), abandonedStep, abandonedSilence));
            return false;
        }
        if (budget.estimate().count() && now >= nextNotice) {
            nextNotice += CallBudget::noticeInterval();
            const StillWorking notice = StillWorking::of(budget, since(started, now));
            lock.unlock();
            tell(notice);
            lock.lock();
            continue;
        }
        Clock::time_point wake = budget.estimate().count() ? std::min(*deadline, nextNotice) : *deadline;
        if (progress)
            wake = std::min(wake, now + (showsFigure ? percentInterval : budget.budget() / 8));
        callDone.wait_until(lock, wake);
    }
    return true;
}

void CallQueue::abandon(std::unique_lock<std::mutex>& lock, Ended why, const OperatorText& line)
{
    ended = why;
    abandonedLine = line;
    lock.unlock();
    CallRecorder::abandoned();
    if (!line.isEmpty())
        say(line);
}

// The waiting caller holds the lock from asking its watch to waiting: once
// the lock was taken here, it either has yet to ask or is woken.
void CallQueue::wakeForStop()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
    }
    callDone.notify_all();
}

std::optional<CallBudget::Milliseconds> CallQueue::timeLeft()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!deadline)
        return std::nullopt;
    return std::max(CallBudget::Milliseconds(0),
                    std::chrono::duration_cast<CallBudget::Milliseconds>(*deadline - Clock::now()));
}

// A call abandoned and still running keeps this thread: it never takes
// another, and the caller never hears of it again.
void CallQueue::serve()
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        callReady.wait(lock, [this] { return hasCall || quitting; });
        if (!hasCall)
            return;
        const LibraryThread::Call call = std::move(pending);
        pending = nullptr;
        hasCall = false;
        lock.unlock();
        const int result = call();
        lock.lock();
        status = result;
        done = true;
        callDone.notify_all();
    }
}

// The log's line names no instrument ("The instrument ..."); the history's
// and the report's do. Under a scale, the time allowed was scaled, and the
// line says so.
OperatorText LibraryThread::stoppedAnsweringLine(const QString& instrument, const OperatorText& step,
                                            CallBudget::Milliseconds silence)
{
    const OperatorText silent = CallBudget::describeElapsed(silence);
    if (instrument.isEmpty() && CallBudget::isScaled())
        return OperatorText::tr("The instrument stopped answering while %1: no answer for %2, the time allowed "
                                "scaled by RZ_STALL_SCALE=%3.")
            .arg(step)
            .arg(silent)
            .arg(CallBudget::scaleText());
    if (instrument.isEmpty())
        return OperatorText::tr("The instrument stopped answering while %1: no answer for %2.").arg(step).arg(silent);
    if (CallBudget::isScaled())
        return OperatorText::tr("%1 stopped answering while %2: no answer for %3, the time allowed scaled by "
                                "RZ_STALL_SCALE=%4.")
            .arg(instrument)
            .arg(step)
            .arg(silent)
            .arg(CallBudget::scaleText());
    return OperatorText::tr("%1 stopped answering while %2: no answer for %3.").arg(instrument).arg(step).arg(silent);
}

int LibraryThread::run(const CallBudget& budget, Call call, Progress progress)
{
    return queue().run(budget, std::move(call), progress);
}

LibraryThread::Listener::Listener(LineSink lines, NoticeSink notices, PercentSink percents)
    : lines(std::move(lines)), notices(std::move(notices)), percents(std::move(percents)), previous(listening)
{
    listening = this;
}

LibraryThread::Listener::~Listener()
{
    listening = previous;
}

void LibraryThread::Listener::say(const OperatorText& line) const
{
    if (lines)
        lines(line);
}

void LibraryThread::Listener::tell(const StillWorking& notice) const
{
    if (notices)
        notices(notice);
    else
        say(notice.line());
}

bool LibraryThread::abandoned()
{
    return queue().isAbandoned();
}

OperatorText LibraryThread::abandonLine()
{
    return queue().abandonLine();
}

OperatorText LibraryThread::abandonReason(const QString& instrument)
{
    return queue().abandonReason(instrument);
}

LibraryThread::StopWatch::StopWatch(EndsAtOnce endsAtOnce)
    : endsAtOnce(std::move(endsAtOnce)), previous(watching)
{
    watching = &this->endsAtOnce;
}

LibraryThread::StopWatch::~StopWatch()
{
    watching = previous;
}

void LibraryThread::wakeForStop()
{
    queue().wakeForStop();
}

std::optional<CallBudget::Milliseconds> LibraryThread::timeLeft()
{
    return queue().timeLeft();
}

void LibraryThread::endIfAbandoned(int exitCode)
{
    if (!abandoned())
        return;
    std::fflush(nullptr);
    ::_exit(exitCode);
}
