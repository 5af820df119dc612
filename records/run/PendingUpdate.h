#ifndef PENDINGUPDATE_H
#define PENDINGUPDATE_H

#include "catalogue/OperatorText.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The record an update or a restore leaves before its first erase and
// removes after its green verdict. Found by a later check, it tells that the
// instrument may hold a mix of old and new firmware, even where the versions
// it reports look current (the network model reports only its FX3's).
//
// Records live in the state folder's pending/, which any member of the
// group can write: each is read only when it is a regular file of at most
// longestRecord bytes, and written by renaming a new file into place.
class PendingUpdate
{
public:
    static constexpr qint64 longestRecord = 64 * 1024;

    PendingUpdate(int deviceType, int serialNumber);

    // Every operation that did not finish on this machine, whatever
    // instrument it was for, the one started last first. A record tells
    // which model an instrument was, not which one is connected: it is
    // offered to the operator, never acted on unasked.
    static QList<PendingUpdate> unfinished();
    // The session logs the records name: each record names the log of the
    // run that wrote it, which tells what happened to the instrument.
    static QStringList namedLogs();

    int deviceType() const { return type; }
    int serialNumber() const { return serial; }
    bool operator==(const PendingUpdate& other) const { return type == other.type && serial == other.serial; }
    // "RZ870S 999".
    QString instrument() const;
    // When the operation started, as the record says; invalid where it
    // does not say.
    QDateTime started() const;

    // The components the unfinished operation was about to write; empty
    // when there is no record. `problem` gets the line that says why a
    // record there could not be read.
    QStringList components(OperatorText* problem = nullptr) const;

    // False, with the reason, when the record could not be kept.
    // `log` is the session log of the run that writes, empty for none.
    bool write(const QStringList& components, const QString& targetVersion, const QString& log,
               OperatorText* reason) const;
    // Empty once no record is left; else the path of one that could not be
    // removed.
    QString remove() const;

private:
    QString fileName() const;

    int type;
    int serial;
};

#endif
