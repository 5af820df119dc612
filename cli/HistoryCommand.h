#ifndef HISTORYCOMMAND_H
#define HISTORYCOMMAND_H

#include "cli/HistoryPrinter.h"
#include "records/history/HistoryReader.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class QCommandLineParser;

// `rz-firmware-updater history`: every update and restore on record, newest
// first, as a table for people or as JSON or CSV for programs, printed row
// by row as the history is read, whatever its size. It reads without the
// updater lock, so it runs beside an update.
class HistoryCommand
{
    Q_DECLARE_TR_FUNCTIONS(HistoryCommand)

public:
    // The filter and format options, checked; false, after a line on
    // standard error, when one is bad.
    bool readOptions(const QCommandLineParser& parser, const std::optional<int>& model);
    // Prints on standard output; the exit code.
    int run() const;

private:
    void sayWhichHistory() const;

    HistoryReader::Filter filter;
    HistoryPrinter::Format format = HistoryPrinter::Table;
};

#endif
