#ifndef LIBRARYTHREAD_H
#define LIBRARYTHREAD_H

#include "families/CallBudget.h"
#include "families/StillWorking.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Every call into the device library runs here, one at a time, on a thread
// of its own, while the thread that asked waits for it against the call's
// budget. A call past its estimate says once a minute that it is still
// working; past its budget it is abandoned: the instrument stopped
// answering. An estimate is not a budget: a call past its estimate is waited
// for, a stop or not, since cutting a write that is still alive is what
// leaves an instrument unusable. Only before anything was erased does a stop
// give up the call under way at once. A call that never returns cannot be
// taken back from the library, so from then on every call fails at once
// without reaching the library, and the program ends by endIfAbandoned()
// once its records are complete, without waiting for it.
//
// A call given up on may still return: everything it reads or writes is its
// own. The callable is moved to the library's thread and captures only
// values; out-arguments live in a copy shared with the library's thread and
// are copied back to the caller only when the call answered in time.
class LibraryThread
{
public:
    using LineSink = std::function<void(const OperatorText&)>;
    using NoticeSink = std::function<void(const StillWorking&)>;
    // A call's figure as a percentage, 0 to 100, each time it changes.
    using PercentSink = std::function<void(int percent)>;
    // Captures only what it owns: never a reference into its caller.
    using Call = std::function<int()>;
    // A figure the library raises while it works (an FPGA's percentage); it
    // belongs to the call as much as to whoever shows it.
    using Progress = std::shared_ptr<const double>;

    // The status of the call, or abandonedStatus. While `progress` still
    // moves the call is alive: its budget counts from the last movement.
    static int run(const CallBudget& budget, Call call, Progress progress = nullptr);

    // A call whose out-arguments are `*out`: `call(Out&)` is handed a copy
    // of its own, and `*out` gets what it wrote once it answered in time.
    template <typename Out, typename Function>
    static int runInto(const CallBudget& budget, Out* out, Function call)
    {
        const auto shared = std::make_shared<Out>(*out);
        const int status = run(budget, [shared, call = std::move(call)] { return int(call(*shared)); });
        if (status != abandonedStatus)
            *out = *shared;
        return status;
    }

    // A call with no announced estimate: a query, an open, a close. `step`
    // is marked with QT_TRANSLATE_NOOP("OperatorText", ...).
    template <typename Function>
    static int query(const char* step, Function call)
    {
        return run(CallBudget::query(OperatorText::marked(step)), [call = std::move(call)] { return int(call()); });
    }
    template <typename Out, typename Function>
    static int query(const char* step, Out* out, Function call)
    {
        return runInto(CallBudget::query(OperatorText::marked(step)), out, std::move(call));
    }

    // While one lives, the lines about calls made on its thread go to it,
    // a call's notices that it is still working to `notices` (without
    // that, a notice is said as its line), and the figure a call raises to
    // `percents`, looked at ten times a second while the call is waited for.
    class Listener
    {
    public:
        explicit Listener(LineSink lines, NoticeSink notices = nullptr, PercentSink percents = nullptr);
        ~Listener();
        Listener(const Listener&) = delete;
        Listener& operator=(const Listener&) = delete;

        void say(const OperatorText& line) const;
        void tell(const StillWorking& notice) const;
        bool showsPercent() const { return bool(percents); }
        void showPercent(int percent) const { percents(percent); }

    private:
        LineSink lines;
        NoticeSink notices;
        PercentSink percents;
        const Listener* previous;
    };

    // A call given up on after `silence` without an answer, naming
    // `instrument`, or "The instrument" for none.
    static OperatorText stoppedAnsweringLine(const QString& instrument, const OperatorText& step,
                                        CallBudget::Milliseconds silence);

    static bool abandoned();
    // "The instrument stopped answering ..." naming the step; empty while
    // no call was abandoned, and for a call given up on a stop before
    // anything was erased.
    static OperatorText abandonLine();
    // The same, naming the instrument ("RZ610R 12345 stopped answering
    // while ..."), for the history and the report.
    static OperatorText abandonReason(const QString& instrument);
    // While one lives, a call made on its thread is given up at once when
    // `endsAtOnce` says a stop ends the write there (before anything was
    // erased); otherwise a stop never gives up a call: each is waited for
    // until it returns or its budget runs out.
    class StopWatch
    {
    public:
        using EndsAtOnce = std::function<bool()>;
        explicit StopWatch(EndsAtOnce endsAtOnce);
        ~StopWatch();
        StopWatch(const StopWatch&) = delete;
        StopWatch& operator=(const StopWatch&) = delete;

    private:
        EndsAtOnce endsAtOnce;
        EndsAtOnce* previous;
    };
    // Changes nothing but wakes the caller waiting for a call, so that it
    // asks its StopWatch again: a stop was just asked for.
    static void wakeForStop();
    // How long the call under way may still take before it counts as dead;
    // none between calls.
    static std::optional<CallBudget::Milliseconds> timeLeft();

    // Once a call was abandoned the program cannot end as usual (its
    // thread would be waited for): flushes the standard streams and ends
    // the process with exitCode. Returns when nothing was abandoned.
    static void endIfAbandoned(int exitCode);

    static constexpr int abandonedStatus = -1000;
};

#endif
