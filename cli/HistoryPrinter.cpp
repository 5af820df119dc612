#include "cli/HistoryPrinter.h"

#include "catalogue/PrintableText.h"
#include "cli/HistoryCommand.h"
#include "cli/TerminalTable.h"

#include <cstdio>

namespace {

// The table's widths are taken from its first rows; a longer value further
// down shifts the rest of its own line only.
constexpr int rowsMeasured = 1000;
constexpr int bytesBuffered = 64 * 1024;

const char jsonStart[] = "{\n    \"attempts\": [";

// Times in UTC as in JSON and CSV, without ISO's T and Z; the result with
// the attempt it finishes, by the ID the table shows. Nothing of the history
// reaches the terminal as a control character.
QStringList cellsOf(const UpdateAttempt& attempt)
{
    const auto text = [&attempt](UpdateAttempt::Field field) { return attempt.value(field).toString(); };
    QString result = attempt.shownState();
    if (!attempt.value(UpdateAttempt::ResumedFrom).isNull())
        result += QStringLiteral(", finishes ") + text(UpdateAttempt::ResumedFrom);
    if (!attempt.error.isEmpty())
        result += QStringLiteral(": ") + attempt.error;
    if (!attempt.discardedBy.isEmpty())
        result += QStringLiteral(" (record discarded by %1 at %2)")
                      .arg(attempt.discardedBy,
                           text(UpdateAttempt::Discarded).replace(QLatin1Char('T'), QLatin1Char(' ')).remove(QLatin1Char('Z')));
    const QVariant before = attempt.value(UpdateAttempt::VersionBefore);
    QStringList cells{text(UpdateAttempt::Id),
                      text(UpdateAttempt::Started).replace(QLatin1Char('T'), QLatin1Char(' ')).remove(QLatin1Char('Z')),
                      attempt.action,
                      attempt.model,
                      text(UpdateAttempt::Serial),
                      before.isNull() ? QStringLiteral("-") : before.toString(),
                      attempt.versionTarget,
                      result};
    for (QString& cell : cells)
        cell = PrintableText::of(cell);
    return cells;
}


// The headers and the states in the operator's language, as the window
// shows them; the other values as the history keeps them, in English.
QStringList headers()
{
    return {HistoryCommand::tr("ID"),    HistoryCommand::tr("Started (UTC)"), HistoryCommand::tr("Action"),
            HistoryCommand::tr("Model"), HistoryCommand::tr("Serial"),        HistoryCommand::tr("From"),
            HistoryCommand::tr("Target"), HistoryCommand::tr("Result")};
}

} // namespace

// The buffer keeps its room from one block to the next.
HistoryPrinter::HistoryPrinter(Format format) : format(format), measured{headers()}
{
    pending.reserve(2 * bytesBuffered);
}

HistoryPrinter::~HistoryPrinter()
{
    flush();
}

void HistoryPrinter::add(const UpdateAttempt& attempt)
{
    if (format == Table) {
        addToTable(attempt);
    } else if (format == Json) {
        pending += first ? jsonStart : ",";
        pending += "\n        ";
        attempt.appendJsonRow(pending);
        flushWhenFull();
    } else {
        if (first)
            write(UpdateAttempt::csvHeader());
        write(attempt.csvRow());
    }
    first = false;
}

void HistoryPrinter::end(bool read)
{
    if (first && !read)
        return;
    if (format == Table && first)
        write((HistoryCommand::tr("No update attempts on record.") + QLatin1Char('\n')).toLocal8Bit());
    else if (format == Table && widths.isEmpty())
        printMeasured();
    else if (format == Json)
        write(QByteArray(first ? jsonStart : "") + "\n    ]\n}\n");
    else if (format == Csv && first)
        write(UpdateAttempt::csvHeader());
}

void HistoryPrinter::write(const QByteArray& bytes)
{
    pending += bytes;
    flushWhenFull();
}

void HistoryPrinter::flushWhenFull()
{
    if (pending.size() >= bytesBuffered)
        flush();
}

void HistoryPrinter::flush()
{
    std::fwrite(pending.constData(), 1, size_t(pending.size()), stdout);
    std::fflush(stdout);
    pending.resize(0);
}

void HistoryPrinter::addToTable(const UpdateAttempt& attempt)
{
    if (!widths.isEmpty()) {
        write(TerminalTable::lineOf(cellsOf(attempt), widths));
        return;
    }
    measured << cellsOf(attempt);
    if (measured.size() > rowsMeasured)
        printMeasured();
}

void HistoryPrinter::printMeasured()
{
    widths = TerminalTable::widthsOf(measured);
    for (const QStringList& row : measured)
        write(TerminalTable::lineOf(row, widths));
    measured.clear();
}
