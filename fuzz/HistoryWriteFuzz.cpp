// The history's writer fed an attempt whose texts all come from the input,
// each a length byte and its UTF-8: those of `texts`, the components
// (words), the error; then the start and the serial, 4 bytes each, and how
// it ends. Invariant: no crash, hang or undefined behaviour; an attempt is
// refused, with a line, only when it has no component or an action the
// history does not know (no writer begins one so); one written reads back
// as written, nothing of it taken for a hand edit, ended once for good, and
// prints inert (PrintedHistory).

#include "fuzz/FuzzInput.h"
#include "fuzz/PrintedHistory.h"
#include "records/history/HistoryReader.h"
#include "records/history/UpdateHistory.h"

#include <QDir>

#include <cstdlib>

namespace {

QString UpdateAttempt::*const texts[] = {
    &UpdateAttempt::host,          &UpdateAttempt::user,          &UpdateAttempt::action,
    &UpdateAttempt::model,         &UpdateAttempt::versionBefore, &UpdateAttempt::versionTarget,
    &UpdateAttempt::releaseKey,    &UpdateAttempt::sumsSha256,    &UpdateAttempt::log,
    &UpdateAttempt::updaterVersion, &UpdateAttempt::libraryVersion,
};
const AttemptState::Value endings[] = {AttemptState::Succeeded, AttemptState::Failed, AttemptState::Interrupted};
QString stateFolder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    stateFolder = PrintedHistory::prepare(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QDir state(stateFolder);
    for (const QString& name : state.entryList(QDir::Files))
        state.remove(name);
    FuzzInput input(data, size);
    UpdateAttempt attempt;
    for (QString UpdateAttempt::*text : texts)
        attempt.*text = QString::fromUtf8(input.counted());
    attempt.components = QString::fromUtf8(input.counted()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString error = QString::fromUtf8(input.counted());
    attempt.started = QDateTime::fromSecsSinceEpoch(qint32(input.number(4)), Qt::UTC);
    attempt.serial = qint32(input.number(4));
    const int ending = input.byte() % 3;
    int lines = 0;
    const UpdateHistory::LineSink sink = [&lines](const OperatorText&) { ++lines; };
    {
        UpdateHistory writer(sink);
        const qint64 id = writer.begin(attempt, false);
        const bool known = attempt.action == QLatin1String("update") || attempt.action == QLatin1String("restore");
        if (id == 0 && (lines == 0 || (known && !attempt.components.isEmpty())))
            std::abort();
        if (id == 0)
            return 0;
        ending == 2 ? writer.interrupt(id, error) : writer.finish(id, ending == 0, error);
        writer.finish(id, ending != 0, QStringLiteral("ended again"));
    }
    const HistoryReader reader(sink);
    const QList<UpdateAttempt> rows = reader.page({}, false, 0, 2).value_or(QList<UpdateAttempt>());
    const UpdateAttempt back = rows.value(0);
    for (QString UpdateAttempt::*text : texts) {
        if (back.*text != attempt.*text)
            std::abort();
    }
    if (back.components != attempt.components || back.started != attempt.started || back.serial != attempt.serial
        || back.state != endings[ending] || back.error != (ending == 0 ? QString() : error)
        || !back.finished.isValid() || !back.asStored.isEmpty() || rows.size() != 1)
        std::abort();
    PrintedHistory::check(1);
    return 0;
}
