#ifndef LIBRARYTHREAD_H
#define LIBRARYTHREAD_H

#include "families/CallBudget.h"

#include <QString>

#include <functional>

// Every call into the device library runs here, one at a time, on a thread
// of its own, while the thread that asked waits for it against the call's
// budget. A call past its estimate says once a minute that it is still
// working; past its budget, or past its estimate once a stop was asked
// for, it is abandoned: the instrument stopped answering. A call that never
// returns cannot be taken back from the library, so from then on every call
// fails at once without reaching the library, and the program ends by
// endIfAbandoned() once its records are complete, without waiting for it.
// Should such a call return after all, it may still write into the
// arguments of a caller that has moved on; the program ends first.
class LibraryThread
{
public:
    using LineSink = std::function<void(const QString&)>;

    // The status of the call, or a failure once abandoned.
    static int run(const CallBudget& budget, const std::function<int()>& call);
    // A call with no announced estimate: a query, an open, a close.
    template <typename Call>
    // `step` is marked with QT_TRANSLATE_NOOP("OperatorText", ...).
    static int query(const char* step, Call call)
    {
        return run(CallBudget::query(OperatorText::marked(step)), [&call] { return int(call()); });
    }

    // While one lives, the lines about calls made on its thread go to it.
    class Listener
    {
    public:
        explicit Listener(LineSink sink);
        ~Listener();
        Listener(const Listener&) = delete;
        Listener& operator=(const Listener&) = delete;

    private:
        LineSink sink;
        LineSink* previous;
    };

    // Whether the line is a call's "Still working: " notice.
    static bool isStillWorkingLine(const QString& line) { return line.startsWith(stillWorkingPrefix()); }
    static QString stillWorkingPrefix() { return QStringLiteral("Still working: "); }
    static QString stillWorkingLine(const OperatorText& step, const QString& since, const QString& estimated);

    static bool abandoned();
    // "The instrument stopped answering ..." naming the step; empty while
    // no call was abandoned.
    static QString abandonLine();

    // A stop signal arrived: a call past its estimate is abandoned at once
    // rather than waited for, as is one that passes its estimate later.
    static void stopAsked();

    // Once a call was abandoned the program cannot end as usual (its
    // thread would be waited for): flushes the standard streams and ends
    // the process with exitCode. Returns when nothing was abandoned.
    static void endIfAbandoned(int exitCode);

    static constexpr int abandonedStatus = -1000;
};

#endif
