#include "cli/HistoryCommand.h"

#include "catalogue/Catalogue.h"
#include "catalogue/OperatorText.h"
#include "cli/CommandLine.h"
#include "cli/HistoryPrinter.h"
#include "host/StateFolder.h"
#include "host/UpdaterLock.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace {

void complain(const QString& line)
{
    std::fprintf(stderr, "rz-firmware-updater: %s\n", qPrintable(line));
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
    format = json ? HistoryPrinter::Json : csv ? HistoryPrinter::Csv : HistoryPrinter::Table;
    return true;
}

int HistoryCommand::run() const
{
    sayWhichHistory();
    // While an updater holds the lock, a pending row may be the one it
    // writes. Asked without taking the lock: an update starting meanwhile
    // must not find it taken.
    const bool elsewhere = QFileInfo::exists(HistoryDatabase::path()) && UpdaterLock::heldByAnother();
    // Said after the rows read before it, as the last of the output.
    OperatorLines failures;
    const HistoryReader history([&failures](const OperatorText& line) { failures << line; });
    bool read = false;
    if (history.isOpen()) {
        HistoryPrinter printer(format);
        read = history.forEach(filter, elsewhere, [&printer](const UpdateAttempt& attempt) { printer.add(attempt); });
        printer.end(read);
    }
    for (const OperatorText& line : failures)
        complain(line.translated());
    return read ? CommandLine::ExitDone : CommandLine::ExitFailed;
}

// Without the machine's folder, or outside its group, the account's own
// history is all there is to show; which one is shown goes to standard
// error, so that what scripts read stays the rows alone.
void HistoryCommand::sayWhichHistory() const
{
    const OperatorText notShared = stateFolderNotShared();
    if (notShared.isEmpty())
        return;
    complain(OperatorText::tr("Showing this account's own update history, kept in %1: %2")
                 .arg(QFileInfo(HistoryDatabase::path()).path())
                 .arg(notShared)
                 .translated());
}
