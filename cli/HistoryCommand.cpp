#include "cli/HistoryCommand.h"

#include "catalogue/Catalogue.h"
#include "catalogue/OperatorText.h"
#include "catalogue/PrintableText.h"
#include "cli/CommandLine.h"
#include "host/StateFolder.h"
#include "host/UpdaterLock.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSqlError>
#include <QVector>

#include <cstdio>
#include <cwchar>

namespace {

// The table's widths are taken from its first rows; a longer value further
// down shifts the rest of its own line only.
constexpr int rowsMeasured = 1000;
constexpr int bytesBuffered = 64 * 1024;

// Standard output, a block at a time.
class Output
{
public:
    ~Output() { flush(); }
    void write(const QByteArray& bytes)
    {
        pending += bytes;
        if (pending.size() >= bytesBuffered)
            flush();
    }
    void flush()
    {
        std::fwrite(pending.constData(), 1, size_t(pending.size()), stdout);
        std::fflush(stdout);
        pending.clear();
    }

private:
    QByteArray pending;
};

void complain(const QString& line)
{
    std::fprintf(stderr, "rz-firmware-updater: %s\n", qPrintable(line));
}

// The fields the table shows, by their index in a row of the history.
enum TableField { Id, Started, Action, Model, Serial, VersionBefore, VersionTarget, State, Error, ResumedFrom };

QVariant fieldOf(const QSqlQuery& row, TableField field)
{
    static const QVector<int> columns = [] {
        QVector<int> found;
        for (const char* name : {"id", "started", "action", "model", "serial", "versionBefore", "versionTarget",
                                 "state", "error", "resumedFrom"})
            found << UpdateAttempt::fieldNames().indexOf(QLatin1String(name));
        return found;
    }();
    return row.value(columns.at(field));
}

// Times in UTC as in JSON and CSV, without ISO's T and Z; the result with
// the attempt it finishes, by the ID the table shows. Nothing of the history
// reaches the terminal as a control character.
QStringList cellsOf(const QSqlQuery& row)
{
    QString result = fieldOf(row, State).toString();
    if (!fieldOf(row, ResumedFrom).isNull())
        result += QStringLiteral(", finishes ") + fieldOf(row, ResumedFrom).toString();
    if (!fieldOf(row, Error).isNull())
        result += QStringLiteral(": ") + fieldOf(row, Error).toString();
    const QVariant before = fieldOf(row, VersionBefore);
    QStringList cells{fieldOf(row, Id).toString(),
                      fieldOf(row, Started).toString().replace(QLatin1Char('T'), QLatin1Char(' ')).remove(QLatin1Char('Z')),
                      fieldOf(row, Action).toString(),
                      fieldOf(row, Model).toString(),
                      fieldOf(row, Serial).toString(),
                      before.isNull() ? QStringLiteral("-") : before.toString(),
                      fieldOf(row, VersionTarget).toString(),
                      result};
    for (QString& cell : cells)
        cell = PrintableText::of(cell);
    return cells;
}

// The columns a text takes on a terminal, where a Japanese or Chinese
// character takes two; its length where the locale cannot tell.
int columnsOf(const QString& text)
{
    const int columns = wcswidth(text.toStdWString().c_str(), size_t(-1));
    return columns < 0 ? text.size() : columns;
}

QByteArray lineOf(const QStringList& cells, const QVector<int>& widths)
{
    QString line;
    for (int column = 0; column < cells.size() - 1; ++column)
        line += cells.at(column) + QString(qMax(widths[column] - columnsOf(cells.at(column)), 0) + 2, QLatin1Char(' '));
    return (line + cells.last() + QLatin1Char('\n')).toLocal8Bit();
}

// The headers in the operator's language; the values as the history keeps
// them, in English.
QStringList headers()
{
    return {HistoryCommand::tr("ID"),    HistoryCommand::tr("Started (UTC)"), HistoryCommand::tr("Action"),
            HistoryCommand::tr("Model"), HistoryCommand::tr("Serial"),        HistoryCommand::tr("From"),
            HistoryCommand::tr("To"),    HistoryCommand::tr("Result")};
}

void printTable(QSqlQuery& rows, Output& out)
{
    QList<QStringList> measured{headers()};
    while (measured.size() <= rowsMeasured && rows.next())
        measured << cellsOf(rows);
    if (measured.size() == 1) {
        if (!rows.lastError().isValid())
            out.write((HistoryCommand::tr("No update attempts on record.") + QLatin1Char('\n')).toLocal8Bit());
        return;
    }
    QVector<int> widths(measured.first().size(), 0);
    for (const QStringList& row : measured) {
        for (int column = 0; column < row.size(); ++column)
            widths[column] = qMax(widths[column], columnsOf(row.at(column)));
    }
    for (const QStringList& row : measured)
        out.write(lineOf(row, widths));
    while (rows.next())
        out.write(lineOf(cellsOf(rows), widths));
}

UpdateAttempt::StoredRow storedRow(const QSqlQuery& rows)
{
    return [&rows](int index) { return rows.value(index); };
}

void printJson(QSqlQuery& rows, Output& out)
{
    out.write("{\n    \"attempts\": [");
    for (bool first = true; rows.next(); first = false) {
        out.write(first ? "\n        " : ",\n        ");
        out.write(UpdateAttempt::jsonRow(storedRow(rows)));
    }
    out.write("\n    ]\n}\n");
}

void printCsv(QSqlQuery& rows, Output& out)
{
    out.write(UpdateAttempt::csvHeader());
    while (rows.next())
        out.write(UpdateAttempt::csvRow(storedRow(rows)));
}

// While an updater holds the lock, a pending row may be the one it writes.
bool updaterRuns()
{
    UpdaterLock lock;
    return !lock.acquire();
}

} // namespace

bool HistoryCommand::readOptions(const QCommandLineParser& parser, const std::optional<int>& model)
{
    if (model)
        filter.model = deviceTypeName(*model);
    if (parser.isSet(QStringLiteral("serial"))) {
        bool number = false;
        const QString text = parser.value(QStringLiteral("serial"));
        filter.serial = text.toInt(&number);
        if (!number) {
            complain(tr("--serial: expected a serial number above 0, not %1.").arg(text));
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("since"))) {
        const QString text = parser.value(QStringLiteral("since"));
        filter.since = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (!filter.since.isValid()) {
            complain(tr("--since: expected a date as YYYY-MM-DD, not %1.").arg(text));
            return false;
        }
    }
    const bool json = parser.isSet(QStringLiteral("json"));
    const bool csv = parser.isSet(QStringLiteral("csv"));
    if (json && csv) {
        complain(tr("--json and --csv cannot be combined."));
        return false;
    }
    format = json ? Json : csv ? Csv : Table;
    return true;
}

int HistoryCommand::run() const
{
    sayWhichHistory();
    // Nothing recorded yet is no reason to take the lock.
    const bool elsewhere = QFileInfo::exists(UpdateHistory::path()) && updaterRuns();
    // An updater beside it may be writing: a damaged file is its to set aside.
    const UpdateHistory history(complain, UpdateHistory::Access::Reader);
    if (!history.isOpen())
        return CommandLine::ExitFailed;
    QSqlQuery rows = history.select(filter, elsewhere, true);
    if (!rows.isActive())
        return CommandLine::ExitFailed;
    Output out;
    if (format == Csv)
        printCsv(rows, out);
    else if (format == Json)
        printJson(rows, out);
    else
        printTable(rows, out);
    // Damage further down the file ends the rows early.
    if (rows.lastError().isValid()) {
        out.flush();
        complain(QStringLiteral("The update history could not be read: ") + rows.lastError().text());
        return CommandLine::ExitFailed;
    }
    return CommandLine::ExitDone;
}

// Without the machine's folder, or outside its group, the account's own
// history is all there is to show; which one is shown goes to standard
// error, so that what scripts read stays the rows alone.
void HistoryCommand::sayWhichHistory() const
{
    const QString notShared = stateFolderNotShared();
    if (notShared.isEmpty())
        return;
    complain(OperatorText::shown(OperatorText::tr("Showing this account's own update history, kept in %1: %2")
                                     .arg(QFileInfo(UpdateHistory::path()).path())
                                     .arg(notShared)));
}
