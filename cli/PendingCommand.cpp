#include "cli/PendingCommand.h"

#include "catalogue/Catalogue.h"
#include "catalogue/OperatorText.h"
#include "catalogue/PrintableText.h"
#include "cli/CommandLine.h"
#include "cli/TerminalTable.h"
#include "host/UpdaterLock.h"
#include "records/history/UpdateHistory.h"
#include "records/run/PendingUpdate.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

void complain(const OperatorText& line)
{
    std::fprintf(stderr, "rz-firmware-updater: %s\n", qPrintable(line.translated()));
}

void print(const QString& line)
{
    std::fputs(line.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
}

// As the history's table shows a time: UTC, without ISO's T and Z.
QString shownTime(const QDateTime& time)
{
    return time.isValid() ? time.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QStringLiteral("-");
}

QList<PendingUpdate> recordsOf(const std::optional<int>& model, int serial)
{
    QList<PendingUpdate> found;
    for (const PendingUpdate& record : PendingUpdate::unfinished()) {
        if ((!model || record.deviceType() == *model) && (serial == 0 || record.serialNumber() == serial))
            found << record;
    }
    return found;
}

} // namespace

bool PendingCommand::readOptions(const QCommandLineParser& parser, const std::optional<int>& chosenModel)
{
    model = chosenModel;
    json = parser.isSet(QStringLiteral("json"));
    if (!parser.isSet(QStringLiteral("discard")))
        return true;
    const QString text = parser.value(QStringLiteral("discard"));
    bool number = false;
    discardSerial = text.toInt(&number);
    if (number && discardSerial > 0)
        return true;
    complain(OperatorText::verbatim(tr("--discard: expected a serial number above 0, not %1.").arg(text)));
    return false;
}

int PendingCommand::run() const
{
    return discardSerial > 0 ? discard() : list();
}

// Newest first, as the history; the components the record says are left to
// write ("all" where the record could not be read).
int PendingCommand::list() const
{
    const QList<PendingUpdate> records = recordsOf(model, 0);
    if (json) {
        QJsonArray rows;
        for (const PendingUpdate& record : records) {
            const QDateTime started = record.started();
            rows.append(QJsonObject{{"model", deviceTypeName(record.deviceType())},
                                    {"serial", record.serialNumber()},
                                    {"started", started.isValid() ? QJsonValue(started.toString(Qt::ISODate))
                                                                  : QJsonValue()},
                                    {"components", QJsonArray::fromStringList(record.components())}});
        }
        std::fputs(QJsonDocument(QJsonObject{{"pending", rows}}).toJson().constData(), stdout);
        return CommandLine::ExitDone;
    }
    if (records.isEmpty()) {
        print(OperatorText::tr("No update or restore on record is unfinished.").translated());
        return CommandLine::ExitDone;
    }
    QList<QStringList> rows{{tr("Model"), tr("Serial"), tr("Since (UTC)"), tr("Components")}};
    for (const PendingUpdate& record : records)
        rows << QStringList{deviceTypeName(record.deviceType()), QString::number(record.serialNumber()),
                            shownTime(record.started()),
                            PrintableText::of(record.components().join(QLatin1Char(' ')))};
    const QVector<int> widths = TerminalTable::widthsOf(rows);
    for (const QStringList& row : rows)
        std::fputs(TerminalTable::lineOf(row, widths).constData(), stdout);
    return CommandLine::ExitDone;
}

int PendingCommand::discard() const
{
    const QList<PendingUpdate> records = recordsOf(model, discardSerial);
    if (records.isEmpty()) {
        complain(OperatorText::tr("No unfinished update of serial %1 is on record.").arg(discardSerial));
        return CommandLine::ExitFailed;
    }
    if (records.size() > 1) {
        complain(OperatorText::tr("Several models of serial %1 have unfinished updates on record; "
                                  "name one with --model.")
                     .arg(discardSerial));
        return CommandLine::ExitUsage;
    }
    UpdaterLock lock;
    if (!lock.acquire()) {
        complain(lock.errorLine());
        return CommandLine::ExitRefused;
    }
    const PendingUpdate& record = records.first();
    const QString left = record.remove();
    if (!left.isEmpty()) {
        complain(OperatorText::tr("Cannot remove %1.").arg(left));
        return CommandLine::ExitFailed;
    }
    UpdateHistory history([](const OperatorText& line) { complain(line); });
    history.noteDiscarded(deviceTypeName(record.deviceType()), record.serialNumber());
    print(OperatorText::tr("The record of the unfinished update of %1 was discarded; "
                           "a later check takes the instrument as it answers.")
              .arg(record.instrument())
              .translated());
    return CommandLine::ExitDone;
}
