#ifndef HISTORYREADER_H
#define HISTORYREADER_H

#include "catalogue/OperatorText.h"

#include "records/history/HistoryDatabase.h"
#include "records/history/UpdateAttempt.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The update history as UpdateAttempt values, newest first, as `history`
// prints it and the window shows it. It reads without the updater lock,
// beside an updater that may be writing; it makes no file, sets nothing
// aside, and reads a history not yet written as empty. A pending attempt
// reads as interrupted unless another updater runs, which may be the one
// writing it. What cannot be read is said as a line.
class HistoryReader
{
public:
    using LineSink = std::function<void(const OperatorText&)>;
    using Visitor = std::function<void(const UpdateAttempt&)>;

    struct Filter
    {
        std::optional<int> serial;
        QString model;
        QDate since; // attempts started on this day (UTC) or later
    };

    explicit HistoryReader(LineSink lineSink);

    bool isOpen() const { return database.isOpen(); }

    // Every attempt the filter lets through, handed to `visit` one at a
    // time as SQLite finds it: memory stays the same whatever the history's
    // size. False, after a line, when the history could not be read to its
    // end.
    bool forEach(const Filter& filter, bool updaterRunsElsewhere, const Visitor& visit) const;
    // Up to `count` of them, all older than the attempt `before` (0 for none,
    // from the newest): a page of a table. None, after a line, when they
    // could not be read.
    std::optional<QList<UpdateAttempt>> page(const Filter& filter, bool updaterRunsElsewhere, qint64 before,
                                             int count) const;
    // The session logs the newest `attempts` attempts name; none when they
    // could not be read.
    std::optional<QStringList> recentLogs(int attempts) const;

private:
    // Up to `count` attempts (0: all) older than `before` (0: from the
    // newest); false, after a line, when they could not be read to the end.
    bool read(const Filter& filter, bool updaterRunsElsewhere, qint64 before, int count, const Visitor& visit) const;

    LineSink say;
    HistoryDatabase database;
};

#endif
