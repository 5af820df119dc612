#include "families/CallRecorder.h"

#include "catalogue/LocalPath.h"
#include "catalogue/ImageFingerprint.h"
#include "catalogue/PlantedFile.h"
#include "catalogue/OperatorText.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <limits>
#include <chrono>
#include <mutex>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

qint64 millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

// The file, opened at the first line and flushed after every line: a run
// that ends without returning from a stuck call leaves whole lines.
class Recording
{
public:
    static Recording& get()
    {
        static Recording recording;
        return recording;
    }

    const QString fileName = CallRecorder::fileName();
    std::atomic<bool> on{!fileName.isEmpty()};
    std::mutex mutex;
    QString updaterVersion;
    QString action;
    OperatorText lostLine;
    bool headerWritten = false;
    qint64 calls = 0;
    Clock::time_point firstCall;
    // The call the library is working on.
    bool inFlight = false;
    qint64 flightNumber = 0;
    QJsonObject flight;
    Clock::time_point flightStarted;

    // Under the mutex: false once the file cannot be written.
    bool ready(const QString& libraryVersion = QString())
    {
        if (!on)
            return false;
        if (!file.isOpen() && !openFile())
            return false;
        if (!headerWritten) {
            headerWritten = true;
            write({{"format", 1},
                   {"library", libraryVersion.isNull() ? QJsonValue() : QJsonValue(libraryVersion)},
                   {"updater", updaterVersion.isEmpty() ? QJsonValue() : QJsonValue(updaterVersion)},
                   {"action", action.isEmpty() ? QJsonValue() : QJsonValue(action)}});
        }
        return on;
    }

    void write(const QJsonObject& line)
    {
        const QByteArray text = QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
        if (file.write(text) != text.size() || !file.flush())
            lose();
    }

private:
    // Whatever is planted under the name: a link is not followed, a pipe
    // not waited on, and only a regular file is emptied and written.
    bool openFile()
    {
        const int opened = ::open(QFile::encodeName(fileName).constData(),
                                  O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (opened < 0) {
            // A pipe nobody reads cannot be opened without waiting for a reader.
            if (errno == ELOOP || errno == ENXIO)
                lose(OperatorText::tr("%1 is %2")
                         .arg(fileName)
                         .arg(errno == ELOOP ? OperatorText::tr("a symbolic link") : OperatorText::tr("a named pipe")));
            else
                lose(OperatorText::verbatim(QString::fromLocal8Bit(std::strerror(errno))));
            return false;
        }
        const OperatorText unusable = PlantedFile::whyUnusable(opened, fileName, std::numeric_limits<qint64>::max());
        if (!unusable.isEmpty() || ::ftruncate(opened, 0) != 0
            || !file.open(opened, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            ::close(opened);
            lose(unusable.isEmpty() ? OperatorText::verbatim(QString::fromLocal8Bit(std::strerror(errno))) : unusable);
            return false;
        }
        return true;
    }

    void lose(const std::optional<OperatorText>& why = std::nullopt)
    {
        on = false;
        lostLine = OperatorText::tr("Could not record the device library's calls: %1: %2")
                       .arg(fileName)
                       .arg(why ? *why : OperatorText::verbatim(file.errorString()));
        file.close();
    }

    QFile file;
};

} // namespace

CallRecorder::Call& CallRecorder::Call::in(const char* name, int value)
{
    if (recording())
        inputs.insert(QLatin1String(name), value);
    return *this;
}

CallRecorder::Call& CallRecorder::Call::image(const char* name, const char* path)
{
    if (recording())
        inputs.insert(QLatin1String(name), ImageFingerprint::of(path));
    return *this;
}

CallRecorder::Call& CallRecorder::Call::outList(const char* name, const int* values, int room, const int* count)
{
    if (recording()) {
        outputs.emplace_back(name, [values, room, count] {
            QJsonArray list;
            for (int index = 0; values && count && index < std::min(room, *count); ++index)
                list.append(values[index]);
            return QJsonValue(list);
        });
    }
    return *this;
}

qint64 CallRecorder::Call::started()
{
    Recording& recording = Recording::get();
    const std::lock_guard<std::mutex> lock(recording.mutex);
    if (!recording.ready())
        return 0;
    const Clock::time_point now = Clock::now();
    if (++recording.calls == 1)
        recording.firstCall = now;
    recording.inFlight = true;
    recording.flightNumber = recording.calls;
    recording.flightStarted = now;
    recording.flight = QJsonObject{{"call", recording.calls},
                                   {"function", QLatin1String(function)},
                                   {"inputs", inputs},
                                   {"sinceFirstCallMs", millisecondsBetween(recording.firstCall, now)}};
    return recording.calls;
}

// A call recorded as abandoned is not recorded again: its caller has moved
// on, and what it pointed to is no longer there to read.
void CallRecorder::Call::finished(qint64 number, int status)
{
    Recording& recording = Recording::get();
    const std::lock_guard<std::mutex> lock(recording.mutex);
    if (!number || !recording.inFlight || recording.flightNumber != number)
        return;
    recording.inFlight = false;
    QJsonObject answered;
    for (const auto& [name, read] : outputs)
        answered.insert(name, read());
    QJsonObject line = recording.flight;
    line.insert("outputs", answered);
    line.insert("status", status);
    line.insert("durationMs", millisecondsBetween(recording.flightStarted, Clock::now()));
    if (recording.ready())
        recording.write(line);
}

void CallRecorder::describeRun(const QString& updaterVersion, const QString& action)
{
    Recording& recording = Recording::get();
    const std::lock_guard<std::mutex> lock(recording.mutex);
    recording.updaterVersion = updaterVersion;
    recording.action = action;
}

void CallRecorder::begin(const QString& libraryVersion)
{
    Recording& recording = Recording::get();
    const std::lock_guard<std::mutex> lock(recording.mutex);
    recording.ready(libraryVersion);
}

void CallRecorder::noteAction(const QString& step)
{
    Recording& recording = Recording::get();
    const std::lock_guard<std::mutex> lock(recording.mutex);
    if (recording.ready())
        recording.write({{"action", step}});
}

void CallRecorder::abandoned()
{
    Recording& recording = Recording::get();
    const std::lock_guard<std::mutex> lock(recording.mutex);
    if (!recording.inFlight)
        return;
    recording.inFlight = false;
    QJsonObject line = recording.flight;
    line.insert("returned", false);
    line.insert("durationMs", millisecondsBetween(recording.flightStarted, Clock::now()));
    if (recording.ready())
        recording.write(line);
}

bool CallRecorder::recording()
{
    return Recording::get().on;
}

QString CallRecorder::fileName()
{
    const QString named = qEnvironmentVariable("RZ_API_RECORD");
    return named.isEmpty() ? QString() : LocalPath::absolute(named);
}

OperatorText CallRecorder::fileProblem()
{
    return LocalPath::problemOf("RZ_API_RECORD");
}

OperatorText CallRecorder::takeLostLine()
{
    Recording& recording = Recording::get();
    const std::lock_guard<std::mutex> lock(recording.mutex);
    return std::exchange(recording.lostLine, OperatorText());
}
