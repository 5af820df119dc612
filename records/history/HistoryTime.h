#ifndef HISTORYTIME_H
#define HISTORYTIME_H

#include <QDateTime>
#include <QString>

// A time as the history keeps it: ISO 8601 in UTC to the second,
// 2024-01-15T12:00:00Z, so that the text of two times sorts as they do.
// Written and read by hand for the form the updater writes: Qt's own ISO
// conversions cost more than SQLite's reading of the whole row, and
// printing a history of a million attempts reads two million times.
class HistoryTime
{
public:
    static constexpr int length = 20; // of the form the updater writes

    // Null for an invalid time.
    static QString text(const QDateTime& time);
    // The form the updater writes, in `out`; false, writing nothing, for
    // a time it cannot take (invalid, or beyond the years 1 to 9999).
    static bool write(const QDateTime& time, char (&out)[length]);
    // Any ISO 8601 text Qt reads, invalid for other text; `exact` tells
    // whether text(time) gives the same text back.
    static QDateTime fromText(const QString& text, bool* exact);
};

#endif
