#ifndef LINESAFTER_H
#define LINESAFTER_H

#include <QStringList>

// The lines after the last heading line and the blank line after it: what
// one step of a log said, whatever came before it.
inline QStringList linesAfter(const QStringList& lines, const QString& heading)
{
    const int at = lines.lastIndexOf(heading);
    return at < 0 ? QStringList() : lines.mid(at + 2);
}

#endif
