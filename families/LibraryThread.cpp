#include "families/LibraryThread.h"

#include "families/CallRecorder.h"

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

thread_local LibraryThread::LineSink* listening = nullptr;

void say(const QString& line)
{
    if (listening && *listening)
        (*listening)(line);
}

QString describeSince(Clock::time_point started, Clock::time_point now)
{
    return CallBudget::describeElapsed(std::chrono::duration_cast<CallBudget::Milliseconds>(now - started));
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
            stuck = !abandonedLine.isEmpty() && !done;
        }
        callReady.notify_all();
        if (stuck)
            worker.detach();
        else if (worker.joinable())
            worker.join();
    }

    int run(const CallBudget& budget, const std::function<int()>& call);
    void stop();
    bool isAbandoned()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return !abandonedLine.isEmpty();
    }
    QString abandonLine()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return abandonedLine;
    }

private:
    void serve();
    bool waitForCall(std::unique_lock<std::mutex>& lock, const CallBudget& budget);

    std::mutex callers;
    std::mutex mutex;
    std::condition_variable callReady;
    std::condition_variable callDone;
    std::function<int()> pending;
    bool hasCall = false;
    bool done = false;
    int status = 0;
    bool stopRequested = false;
    bool quitting = false;
    QString abandonedLine;
    std::thread worker;
};

CallQueue& queue()
{
    static CallQueue calls;
    return calls;
}

} // namespace

int CallQueue::run(const CallBudget& budget, const std::function<int()>& call)
{
    // The library takes one call at a time.
    const std::lock_guard<std::mutex> oneCaller(callers);
    std::unique_lock<std::mutex> lock(mutex);
    if (!abandonedLine.isEmpty())
        return LibraryThread::abandonedStatus;
    if (!worker.joinable())
        worker = std::thread([this] { serve(); });
    pending = call;
    hasCall = true;
    done = false;
    callReady.notify_one();
    if (!waitForCall(lock, budget))
        return LibraryThread::abandonedStatus;
    return status;
}

// Wakes for a notice, for the budget's end, for a stop, or when the call
// returns; never in between.
bool CallQueue::waitForCall(std::unique_lock<std::mutex>& lock, const CallBudget& budget)
{
    const Clock::time_point started = Clock::now();
    const Clock::time_point late = started + (budget.estimate().count() ? budget.estimate() : budget.budget());
    const Clock::time_point deadline = started + budget.budget();
    Clock::time_point nextNotice = late + CallBudget::noticeInterval();
    while (!done) {
        const Clock::time_point now = Clock::now();
        const bool stopping = stopRequested && now >= late;
        if (stopping || now >= deadline) {
            abandonedLine = stopping ? OperatorText::tr("The instrument stopped answering while %1: no answer for %2, "
                                                        "and a stop was asked for.")
                                           .arg(budget.step())
                                           .arg(describeSince(started, now))
                                     : OperatorText::tr("The instrument stopped answering while %1: no answer for %2.")
                                           .arg(budget.step())
                                           .arg(describeSince(started, now));
            const QString line = abandonedLine;
            lock.unlock();
            CallRecorder::abandoned();
            say(line);
            return false;
        }
        if (budget.estimate().count() && now >= nextNotice) {
            nextNotice += CallBudget::noticeInterval();
            const QString line = LibraryThread::stillWorkingLine(budget.step(), describeSince(started, now),
                                                                 CallBudget::describe(budget.announced()));
            lock.unlock();
            say(line);
            lock.lock();
            continue;
        }
        Clock::time_point wake = std::min(deadline, budget.estimate().count() ? nextNotice : deadline);
        if (stopRequested)
            wake = std::min(wake, late);
        callDone.wait_until(lock, wake);
    }
    return true;
}

void CallQueue::stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopRequested = true;
    }
    callDone.notify_all();
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
        const std::function<int()> call = std::move(pending);
        hasCall = false;
        lock.unlock();
        const int result = call();
        lock.lock();
        status = result;
        done = true;
        callDone.notify_all();
    }
}

// Its English begins with stillWorkingPrefix(), which the window looks for.
QString LibraryThread::stillWorkingLine(const OperatorText& step, const QString& since, const QString& estimated)
{
    return OperatorText::tr("Still working: %1 for %2, estimated %3; keep the instrument connected.")
        .arg(step)
        .arg(since)
        .arg(estimated);
}

int LibraryThread::run(const CallBudget& budget, const std::function<int()>& call)
{
    return queue().run(budget, call);
}

LibraryThread::Listener::Listener(LineSink sink)
    : sink(std::move(sink)), previous(listening)
{
    listening = &this->sink;
}

LibraryThread::Listener::~Listener()
{
    listening = previous;
}

bool LibraryThread::abandoned()
{
    return queue().isAbandoned();
}

QString LibraryThread::abandonLine()
{
    return queue().abandonLine();
}

void LibraryThread::stopAsked()
{
    queue().stop();
}

void LibraryThread::endIfAbandoned(int exitCode)
{
    if (!abandoned())
        return;
    std::fflush(nullptr);
    ::_exit(exitCode);
}
