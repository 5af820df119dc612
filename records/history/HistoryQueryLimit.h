#ifndef HISTORYQUERYLIMIT_H
#define HISTORYQUERYLIMIT_H

#include "catalogue/OperatorText.h"

#include <QString>

#include <chrono>

class QSqlDatabase;
class QSqlError;

// How long any statement on one connection to the history may keep its
// caller waiting: a second from when it starts, and again from each row it
// hands out, so that reading a million rows one by one is never cut short
// while a single step that runs away is. Anyone in the group can plant a
// history, and no run, no listing and no window waits for one that does not
// answer: SQLite interrupts the statement, which then fails as any other
// (a write inside a transaction takes the transaction back with it).
//
// The object must outlive the connection it watches, and belongs to the
// thread of that connection.
class HistoryQueryLimit
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds limit{1};

    HistoryQueryLimit() = default;
    HistoryQueryLimit(const HistoryQueryLimit&) = delete;
    HistoryQueryLimit& operator=(const HistoryQueryLimit&) = delete;

    // Watches every statement run on `connection` from now on; false when
    // it is no SQLite connection.
    bool watch(const QSqlDatabase& connection);
    // QSQLITE's connect option that waits for another's lock no longer.
    static QString busyTimeoutOption();

    // SQLite's own words, or the limit's when it cut the statement short.
    static OperatorText reason(const QSqlError& error);
    // The same of SQLite's result code and its words.
    static OperatorText reason(int code, const QString& message);
    static bool interrupted(const QSqlError& error);

private:
    static int onProgress(void* watched);
    static int onTrace(unsigned event, void* watched, void* statement, void* detail);

    Clock::time_point deadline;
    // Set when a statement starts or hands out a row: the time from then on,
    // until SQLite works for it again, is its caller's.
    bool restart = true;
};

#endif
