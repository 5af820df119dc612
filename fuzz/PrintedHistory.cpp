#include "fuzz/PrintedHistory.h"

#include "cli/HistoryCommand.h"
#include "fuzz/PrintedOutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

namespace {

// No run waits longer for its history, whatever was planted.
constexpr qint64 longestRead = 1000; // ms

QByteArray printed(const QStringList& options, int exitCode = 0)
{
    QCommandLineParser parser;
    parser.addOptions({{"serial", "", "N"}, {"since", "", "date"}, {"json", ""}, {"csv", ""}});
    HistoryCommand command;
    if (!parser.parse(QStringList{"rz-firmware-updater"} + options) || !command.readOptions(parser, std::nullopt))
        std::abort();
    int status = -1;
    QElapsedTimer clock;
    clock.start();
    const QByteArray text = PrintedOutput::of([&] { status = command.run(); });
    if (clock.elapsed() > longestRead || status != exitCode || !PrintedOutput::isInert(text))
        std::abort();
    return text;
}

// Quotes are only ever paired (RFC 4180), so a field starts after a comma
// outside them.
bool csvSafe(const QByteArray& csv, int fields)
{
    for (const QByteArray& row : csv.split('\n')) {
        int found = 1;
        bool quoted = false;
        for (int i = 0; i < row.size(); ++i) {
            if (i == 0 || (row[i - 1] == ',' && !quoted)) {
                const char first = row[i] == '"' ? row.at(qMin(i + 1, row.size() - 1)) : row[i];
                if (std::memchr("=+-@", first, 4))
                    return false;
            }
            if (row[i] == '"')
                quoted = !quoted;
            else if (row[i] == ',' && !quoted)
                ++found;
        }
        if (!row.isEmpty() && (found != fields || quoted))
            return false;
    }
    return true;
}

} // namespace

QString PrintedHistory::prepare(int* argc, char*** argv)
{
    qputenv("LC_ALL", "C.UTF-8"); // the table is printed in the locale's encoding
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir folder;
    if (!folder.isValid())
        std::abort();
    qputenv("RZ_STATE_DIR", QFile::encodeName(folder.path()));
    qputenv("RZ_LOCK_FILE", QFile::encodeName(folder.filePath(QStringLiteral("lock"))));
    return folder.path();
}

void PrintedHistory::check(int rows)
{
    printed({});
    const QJsonDocument json = QJsonDocument::fromJson(printed({QStringLiteral("--json")}));
    if (json.object().value(QStringLiteral("attempts")).toArray().size() != rows)
        std::abort();
    if (!csvSafe(printed({QStringLiteral("--csv")}), UpdateAttempt::fieldNames().size()))
        std::abort();
}

void PrintedHistory::checkRefused()
{
    if (!printed({}, 1).isEmpty())
        std::abort();
}
