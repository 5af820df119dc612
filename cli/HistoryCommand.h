#ifndef HISTORYCOMMAND_H
#define HISTORYCOMMAND_H

#include "records/history/UpdateHistory.h"

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
    enum Format { Table, Json, Csv };

    void sayWhichHistory() const;

    UpdateHistory::Filter filter;
    Format format = Table;
};

#endif
