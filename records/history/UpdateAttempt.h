#ifndef UPDATEATTEMPT_H
#define UPDATEATTEMPT_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>

// One update or restore as the history keeps it: who ran it where, on which
// instrument, from which firmware to which, and how it ended. A null text is
// something nobody could say (the versions of an instrument in boot mode).
struct UpdateAttempt
{
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
    QString state;          // "pending", "succeeded", "failed" or "interrupted"
    QString error;          // the failure line
    QString releaseKey;     // the release signing key's ID, 16 uppercase hex digits
    QString sumsSha256;     // of the release's SHA256SUMS
    QString log;            // the session log file
    QString updaterVersion;
    QString libraryVersion;
    qint64 resumedFrom = 0; // the unfinished attempt this one finishes; 0 for none

    // This program, this machine and this account; the rest is the
    // caller's to fill.
    static UpdateAttempt onThisMachine();

    // The names of the fields, as the history's columns, the JSON report and
    // the CSV header give them, and the values in that order (null for none;
    // the components as a list).
    static QStringList fieldNames();
    QVariantList values() const;

    // The state for people, with the failure line.
    QString result() const;

    // A row as the history keeps it: the value of each field by its index
    // in fieldNames(), null for none, times as ISO text, the components
    // space-separated.
    using StoredRow = std::function<QVariant(int index)>;

    // Every field by its name, as one JSON object on one line.
    static QByteArray jsonRow(const StoredRow& field);
    // CSV: a header row of the field names, then one row an attempt, quoted
    // where a value needs it (RFC 4180); nulls are empty. Control characters
    // are escaped as the history's table shows them (PrintableText), and a
    // value that a spreadsheet would take for a formula (=, +, -, @ first)
    // begins with a quote.
    static QByteArray csvHeader();
    static QByteArray csvRow(const StoredRow& field);
};

#endif
