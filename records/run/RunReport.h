#ifndef RUNREPORT_H
#define RUNREPORT_H

#include "catalogue/release/SignedRelease.h"
#include "catalogue/DeviceState.h"
#include "catalogue/OperatorText.h"
#include "records/run/FlowOutcome.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// The account of one check, update or restore for a script: what was found,
// what was erased and written, how the run ended and why, and when it
// started and finished, as one JSON object, so that nobody has to read the
// lines meant for people to tell what happened.
class RunReport
{
public:
    // Starts the clock. `replayed` is the recording a rehearsal replays,
    // empty for a run on an instrument.
    RunReport(const QString& command, const QString& replayed = QString());

    // What the check found, and who signed the release it verified.
    void setFound(const DeviceState& state, const std::optional<SignedRelease>& release);
    // The write's row in the history (0 for none) and whether it succeeded.
    void setWrite(qint64 attemptId, bool written);
    void setErased() { erased = true; }
    // The one line that says why the run failed or refused; the last one
    // given holds.
    void setReason(const OperatorText& line) { reasonLine = line; }

    // The line a failed or refused run gives as its reason; null for a run
    // that ended as it should.
    OperatorText reason(FlowOutcome outcome) const;

    // Stops the clock. `exitCode` is the program's, `logFile` the session
    // log's (empty for none), `library` the device library's version as the
    // banner gave it, `lines` every line shown.
    QJsonObject finish(FlowOutcome outcome, int exitCode, const QString& logFile, const QString& library,
                       const QStringList& lines) const;

private:
    QString command;
    QString replayed;
    QDateTime started;
    DeviceState found;
    std::optional<SignedRelease> release;
    qint64 attemptId = 0;
    bool written = false;
    bool erased = false;
    OperatorText reasonLine;
};

#endif
