#ifndef HISTORYPRINTER_H
#define HISTORYPRINTER_H

#include "records/history/UpdateAttempt.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVector>

// The attempts `history` prints on standard output, a block at a time, as
// they are read: a table for people, or JSON or CSV for programs. Nothing
// is printed when the history could not be read at all; the rows read
// before it failed are printed whole.
class HistoryPrinter
{
public:
    enum Format { Table, Json, Csv };

    explicit HistoryPrinter(Format format);
    ~HistoryPrinter();

    HistoryPrinter(const HistoryPrinter&) = delete;
    HistoryPrinter& operator=(const HistoryPrinter&) = delete;

    void add(const UpdateAttempt& attempt);
    // `read`: the history was read to its end.
    void end(bool read);

private:
    void write(const QByteArray& bytes);
    void flushWhenFull();
    void flush();
    void addToTable(const UpdateAttempt& attempt);
    void printMeasured();

    const Format format;
    bool first = true;
    QByteArray pending;
    // The table's first rows, held until their widths are known.
    QList<QStringList> measured;
    QVector<int> widths;
};

#endif
