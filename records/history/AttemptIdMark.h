#ifndef ATTEMPTIDMARK_H
#define ATTEMPTIDMARK_H

#include "catalogue/OperatorText.h"

#include <QString>

#include <functional>

// The highest attempt id ever handed out on this machine, kept in
// history.db.last-id beside the history, so that a history started after a
// set-aside, or put back from a copy, continues above it. It goes through
// the open state folder like the pending records: a link, a pipe or a huge
// file planted under its name is never read or written through, and a new
// mark is renamed into place.
class AttemptIdMark
{
public:
    using LineSink = std::function<void(const OperatorText&)>;

    // Beyond any id the history hands out. Ids reach scripts as JSON numbers
    // (the report's attemptId, `history --json`), which hold integers exactly
    // only below 2^53; and at SQLite's own end, 2^63 - 1, every later attempt
    // would fail as "database or disk is full". No machine comes near either:
    // a mark or a sequence there was put there by hand or by a fault, and is
    // set aside like a damaged history.
    static constexpr qint64 idsEnd = qint64(1) << 53;
    // The highest id handed out: a mark or a sequence there leaves no next one.
    static constexpr qint64 lastId = idsEnd - 1;

    explicit AttemptIdMark(LineSink lineSink);

    // The mark; 0 when there is none, or once a mark that leaves no next id
    // was set aside, with a line.
    qint64 usable() const;
    // Keeps `id` as the mark, with a line when it could not be kept.
    void keep(qint64 id) const;

private:
    LineSink say;
};

#endif
