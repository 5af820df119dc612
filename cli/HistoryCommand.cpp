#include "cli/HistoryCommand.h"

#include "catalogue/Catalogue.h"
#include "cli/CommandLine.h"
#include "host/UpdaterLock.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace {

// With the attempt it finishes, by the ID the table shows.
QString resultOf(const UpdateAttempt& attempt)
{
    QString result = attempt.state;
    if (attempt.resumedFrom)
        result += QStringLiteral(", finishes %1").arg(attempt.resumedFrom);
    return attempt.error.isEmpty() ? result : result + QStringLiteral(": ") + attempt.error;
}

void print(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
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
            std::fprintf(stderr, "--serial: expected a serial number, not %s.\n", qPrintable(text));
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("since"))) {
        const QString text = parser.value(QStringLiteral("since"));
        filter.since = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (!filter.since.isValid()) {
            std::fprintf(stderr, "--since: expected a date as YYYY-MM-DD, not %s.\n", qPrintable(text));
            return false;
        }
    }
    const bool json = parser.isSet(QStringLiteral("json"));
    const bool csv = parser.isSet(QStringLiteral("csv"));
    if (json && csv) {
        std::fprintf(stderr, "--json and --csv cannot be combined.\n");
        return false;
    }
    format = json ? Json : csv ? Csv : Table;
    return true;
}

int HistoryCommand::run() const
{
    QList<UpdateAttempt> attempts;
    // Nothing recorded yet is no reason to make the folder or the file.
    if (QFile::exists(UpdateHistory::path())) {
        const bool elsewhere = updaterRuns();
        // An updater beside it may be writing: a damaged file is its to set aside.
        const UpdateHistory history([](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); },
                                    UpdateHistory::Access::Reader);
        if (!history.isOpen())
            return CommandLine::ExitFailed;
        attempts = history.attempts(filter, elsewhere);
    }
    if (format == Csv) {
        print(UpdateAttempt::toCsv(attempts));
    } else if (format == Json) {
        QJsonArray rows;
        for (const UpdateAttempt& attempt : attempts)
            rows.append(attempt.toJson());
        print(QJsonDocument(QJsonObject{{"attempts", rows}}).toJson(QJsonDocument::Indented));
    } else {
        print(table(attempts).toLocal8Bit());
    }
    return CommandLine::ExitDone;
}

QString HistoryCommand::table(const QList<UpdateAttempt>& attempts)
{
    if (attempts.isEmpty())
        return QStringLiteral("No update attempts on record.\n");
    QList<QStringList> rows{{"ID", "Started (UTC)", "Action", "Model", "Serial", "From", "To", "Result"}};
    for (const UpdateAttempt& attempt : attempts) {
        rows << QStringList{QString::number(attempt.id),
                            attempt.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                            attempt.action,
                            attempt.model,
                            QString::number(attempt.serial),
                            attempt.versionBefore.isEmpty() ? QStringLiteral("-") : attempt.versionBefore,
                            attempt.versionTarget,
                            resultOf(attempt)};
    }
    QVector<int> widths(rows.first().size(), 0);
    for (const QStringList& row : rows) {
        for (int column = 0; column < row.size(); ++column)
            widths[column] = qMax(widths[column], row.at(column).size());
    }
    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (int column = 0; column < row.size() - 1; ++column)
            line += row.at(column).leftJustified(widths[column] + 2);
        text += line + row.last() + QLatin1Char('\n');
    }
    return text;
}
