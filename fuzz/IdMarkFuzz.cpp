// The history's id mark, history.db.last-id, as anyone with write access to
// the state folder can shape it: the input is the mark's contents, beside a
// history the updater starts anew for each input. Two updates are then
// begun and finished as the writer does, each by a run of its own, so that
// the second opens the history and the mark the first left. Invariant:
// nothing crashes or hangs; each attempt is recorded as succeeded under an
// id above 0 and below 2^53, the second above the first unless the history
// was set aside in between, and the mark then holds the second; a mark or
// history set aside is named by a line, and no line says the history is
// full.

#include "records/history/HistoryReader.h"
#include "records/history/UpdateHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QString stateFolder;

UpdateAttempt anUpdate()
{
    return UpdateAttempt::updateStartedNow(QStringLiteral("RZ610R"), 1234, QStringLiteral("4.5.10"),
                                           QStringLiteral("fpga"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    // In memory where there is such a folder: the history syncs every commit.
    static QTemporaryDir state(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/id-mark-fuzz-XXXXXX")
                                                         : QDir::tempPath() + QStringLiteral("/id-mark-fuzz-XXXXXX"));
    stateFolder = state.path();
    qputenv("RZ_STATE_DIR", QFile::encodeName(stateFolder));
    return state.isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QDir(stateFolder).removeRecursively();
    QDir().mkpath(stateFolder);
    QFile mark(stateFolder + QStringLiteral("/history.db.last-id"));
    if (!mark.open(QIODevice::WriteOnly) || mark.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        return 0;
    mark.close();
    QStringList lines;
    const auto say = [&lines](const OperatorText& line) { lines << line.english(); };
    qint64 ids[2] = {};
    for (qint64& id : ids) {
        UpdateHistory history(say);
        id = history.begin(anUpdate(), false);
        history.finish(id, true, QString());
        const HistoryReader reader(say);
        const QList<UpdateAttempt> newest = reader.page({}, false, 0, 1).value_or(QList<UpdateAttempt>());
        if (id <= 0 || id >= (qint64(1) << 53) || newest.isEmpty())
            std::abort();
        if (newest.first().id != id || newest.first().state != AttemptState::Succeeded)
            std::abort();
    }
    if (!mark.open(QIODevice::ReadOnly) || mark.readAll() != QByteArray::number(ids[1]) + '\n')
        std::abort();
    const QString joined = lines.join(QLatin1Char('\n'));
    for (const QString& kept : QDir(stateFolder).entryList({QStringLiteral("history.db.last-id.broken-*")})) {
        if (!joined.contains(kept))
            std::abort();
    }
    if (joined.contains(QLatin1String("database or disk is full")))
        std::abort();
    // Its journal's files are set aside beside it, under its name and a suffix.
    const QStringList keptHistories = QDir(stateFolder)
                                          .entryList({QStringLiteral("history.db.broken-*")})
                                          .filter(QRegularExpression(QStringLiteral("^(?!.*-(wal|shm)$)")));
    for (const QString& kept : keptHistories) {
        if (!joined.contains(kept))
            std::abort();
    }
    if (ids[1] <= ids[0] && keptHistories.isEmpty())
        std::abort();
    return 0;
}
