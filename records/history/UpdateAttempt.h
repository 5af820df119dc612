#ifndef UPDATEATTEMPT_H
#define UPDATEATTEMPT_H

#include "records/history/AttemptState.h"

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

// One update or restore as the history keeps it: who ran it where, on which
// instrument, from which firmware to which, and how it ended. A null text is
// something nobody could say (the versions of an instrument in boot mode).
struct UpdateAttempt
{
    // The fields in the order of the history's columns, of the JSON report's
    // keys and of the CSV's: their index in fieldNames(), and their column
    // in a query that selects fieldNames().
    enum Field {
        Id, Started, Finished, Host, User, Action, Model, Serial, VersionBefore, VersionTarget, Components, State,
        Error, ReleaseKey, SumsSha256, Log, UpdaterVersion, LibraryVersion, ResumedFrom, StallScale, Discarded, DiscardedBy, FieldCount
    };

    qint64 id = 0; // 0 until recorded
    QDateTime started; // UTC
    QDateTime finished; // invalid until finished
    QString host;
    QString user;
    QString action; // "update" or "restore"
    QString model;  // display name
    int serial = 0;
    QString versionBefore;
    QString versionTarget;
    QStringList components; // "boot", "run", "fpga", "fx3"
    // A word a hand edit left in its place is kept in asStored.
    AttemptState::Value state = AttemptState::Pending;
    QString error;          // the failure line
    QString releaseKey;     // the release signing key's ID, 16 uppercase hex digits
    QString sumsSha256;     // of the release's SHA256SUMS
    QString log;            // the session log file
    QString updaterVersion;
    QString libraryVersion;
    qint64 resumedFrom = 0; // the unfinished attempt this one finishes; 0 for none
    // When the pending record this attempt left was let go unfinished
    // (`pending --discard`), and by whom ("alice@bench3"); invalid and
    // empty while it was not.
    QDateTime discarded;
    QString discardedBy;
    double stallScale = 1;  // RZ_STALL_SCALE, by which its calls' times were multiplied
    // What a hand edit of the history left where a number, a time or the
    // components belong, and that does not read back as written there (a
    // serial number with a letter in it): by field, as the history holds
    // it, so that it prints as it is stored. Empty for what the updater
    // recorded.
    QMap<Field, QVariant> asStored;

    // This program, this machine and this account; the rest is the
    // caller's to fill.
    static UpdateAttempt onThisMachine();
    // An update of one component started now, as the tests, the fuzz
    // targets and the benchmarks record one.
    static UpdateAttempt updateStartedNow(const QString& model, int serial, const QString& versionTarget,
                                          const QString& component);

    // The names of the fields, as the history's columns, the JSON report and
    // the CSV header give them.
    static QStringList fieldNames();
    // Where a field held as text is kept; null for the id, the times, the
    // serial number, the components, the state, resumedFrom and stallScale.
    static QString UpdateAttempt::*textMember(Field field);
    // A field as the history keeps it: null for none (a stall scale of 1
    // too), times as ISO text in UTC, the components space-separated.
    QVariant value(Field field) const;

    // The state in the operator's language; a word a hand edit left, as
    // it is stored.
    QString shownState() const;

    // Every field by its name, as one JSON object on one line, added to
    // the end of `json`.
    void appendJsonRow(QByteArray& json) const;
    // CSV: a header row of the field names, then one row an attempt, quoted
    // where a value needs it (RFC 4180); nulls are empty. Control characters
    // are escaped as the history's table shows them (PrintableText), and a
    // value that a spreadsheet would take for a formula (=, +, -, @ first)
    // begins with a quote.
    static QByteArray csvHeader();
    QByteArray csvRow() const;
};

#endif
