#include "host/SessionLog.h"

#include "host/FileSyncThread.h"
#include "host/StateFiles.h"
#include "host/StateFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QVector>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <sys/file.h>

namespace {

// Enough for every run started within one second; more means something else
// is creating these names.
constexpr int maxCopiesPerSecond = 99;

const QString stemFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
constexpr int stemLength = 19;

// Named in UTC, as the history's times are: a change of time zone or of
// daylight saving time neither reorders the names nor repeats one.
QString nameFor(const QDateTime& start, int copy)
{
    const QString stem = start.toUTC().toString(stemFormat);
    return copy == 1 ? stem + QStringLiteral(".log") : QStringLiteral("%1_%2.log").arg(stem).arg(copy, 2, 10, QLatin1Char('0'));
}

bool isLogName(const QString& name)
{
    return name.endsWith(QLatin1String(".log")) && QDateTime::fromString(name.left(stemLength), stemFormat).isValid();
}

} // namespace

SessionLog::SessionLog(const QDateTime& start)
{
    if (!open(start))
        return;
    writer = std::make_unique<FileSyncThread>(file.handle());
}

SessionLog::~SessionLog() = default;

QString SessionLog::folder()
{
    return stateFolder();
}

bool SessionLog::isOpen() const
{
    return file.isOpen();
}

OperatorText SessionLog::errorString() const
{
    return error;
}

QString SessionLog::filePath() const
{
    return path;
}

// Never over another file: a run started in the same second as another one
// takes the next suffix, and a name someone planted (a link, a pipe) is
// passed over, never written through.
bool SessionLog::open(const QDateTime& start)
{
    const StateFiles folder(SessionLog::folder(), QString(), true);
    if (!folder.isOpen()) {
        error = folder.errorString();
        return false;
    }
    int reason = 0;
    for (int copy = 1; copy <= maxCopiesPerSecond; ++copy) {
        const QString name = nameFor(start, copy);
        path = folder.pathOf(name);
        FileDescriptor made = folder.create(name, &reason);
        if (made.isOpen()) {
            // In use as long as it is open: no other updater removes it.
            ::flock(made.get(), LOCK_SH | LOCK_NB);
            if (file.open(made.get(), QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
                made.release();
                return true;
            }
            break;
        }
        if (reason != EEXIST)
            break;
    }
    fail(file.isOpen() || reason == 0 ? file.errorString() : QString::fromLocal8Bit(std::strerror(reason)));
    return false;
}

// Only regular files named like ours are counted, newest first by when they
// were last written, not by their names: a clock set back must not make the
// newest look oldest. The file of this run is kept whatever the clock did.
void SessionLog::removeOldFiles(const QStringList& named) const
{
    if (!isOpen())
        return;
    QStringList spared{QFileInfo(path).fileName()};
    for (const QString& log : named)
        spared << QFileInfo(log).fileName();
    const StateFiles folder(SessionLog::folder(), QString(), false);
    QVector<QPair<qint64, QString>> logs;
    for (const QString& name : folder.names()) {
        const qint64 written = isLogName(name) && !spared.contains(name) ? folder.lastWritten(name) : -1;
        if (written >= 0)
            logs.append({written, name});
    }
    std::sort(logs.begin(), logs.end(), std::greater<>());
    for (int index = filesKept - 1; index < logs.size(); ++index)
        folder.removeUnlessLocked(logs.at(index).second);
}

void SessionLog::write(const QString& line)
{
    write(QStringList{line});
}

// The time is the lines', not the time they reach the file.
void SessionLog::write(const QStringList& lines)
{
    if (!file.isOpen())
        return;
    const QByteArray time = timeStamp();
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += time + line.toUtf8() + '\n';
    if (!writer->append(bytes))
        fail(writer->failure());
}

// The local date and time with its UTC offset (ISO 8601,
// "2026-12-07T15:03:22+01:00 "), worked out once a second: that reads the
// time zone each time, which costs more than the rest of a write.
QByteArray SessionLog::timeStamp()
{
    const qint64 second = QDateTime::currentSecsSinceEpoch();
    if (second != stampSecond) {
        stampSecond = second;
        const QDateTime local = QDateTime::fromSecsSinceEpoch(second);
        const int offset = local.offsetFromUtc() / 60;
        stamp = QStringLiteral("%1%2%3:%4 ")
                    .arg(local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")), QLatin1String(offset < 0 ? "-" : "+"))
                    .arg(qAbs(offset) / 60, 2, 10, QLatin1Char('0'))
                    .arg(qAbs(offset) % 60, 2, 10, QLatin1Char('0'))
                    .toUtf8();
    }
    return stamp;
}

void SessionLog::sync()
{
    if (file.isOpen() && !writer->sync())
        fail(writer->failure());
}

void SessionLog::fail(const QString& reason)
{
    error = OperatorText::verbatim(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason));
    writer.reset();
    file.close();
}
