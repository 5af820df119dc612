#ifndef HISTORYSTATEMENT_H
#define HISTORYSTATEMENT_H

#include <QString>
#include <QVariant>
#include <QVariantList>

class QSqlDatabase;
struct sqlite3;
struct sqlite3_stmt;

// A query on the history run through SQLite's own interface, a row at a
// time, for reading many rows: Qt's driver would copy each value into a
// QVariant and each text into UTF-16 through SQLite first. Its values read
// as Qt's driver gives them (value(): a null text, 64-bit integers, doubles,
// texts and byte arrays), so that what a row holds does not depend on which
// of the two read it.
//
// Runs on the connection's own SQLite handle, on the connection's thread,
// and under the limit that watches it.
class HistoryStatement
{
public:
    // Prepared and bound; failed() tells when it could not be.
    HistoryStatement(const QSqlDatabase& connection, const QString& sql, const QVariantList& values);
    ~HistoryStatement();

    HistoryStatement(const HistoryStatement&) = delete;
    HistoryStatement& operator=(const HistoryStatement&) = delete;

    // The next row; false at the end, or when the statement failed.
    bool next();
    bool failed() const { return errorCode != 0; }
    // SQLite's result code and words for the failure.
    int code() const { return errorCode; }
    QString message() const { return errorMessage; }

    QVariant value(int column) const;
    // value(column).toString(), without the variant for a text.
    QString text(int column) const;

private:
    bool bind(int index, const QVariant& value);
    void fail(int result);

    sqlite3* database = nullptr;
    sqlite3_stmt* statement = nullptr;
    int errorCode = 0;
    QString errorMessage;
};

#endif
