#ifndef TERMINALTABLE_H
#define TERMINALTABLE_H

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVector>

// A table for people on a terminal: columns as wide as their widest cell,
// measured as the terminal draws them (a Japanese or Chinese character takes
// two), two spaces between, the last column as it is.
class TerminalTable
{
public:
    static QVector<int> widthsOf(const QList<QStringList>& rows);
    // One row, in the locale's encoding, with its line break.
    static QByteArray lineOf(const QStringList& cells, const QVector<int>& widths);

private:
    // Its length where the locale cannot tell.
    static int columnsOf(const QString& text);
};

#endif
