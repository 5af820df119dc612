#ifndef CALLRECORDER_H
#define CALLRECORDER_H

#include "catalogue/OperatorText.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

// What the device library was asked and what it answered, for a support
// engineer and for the simulated library to replay. With RZ_API_RECORD=FILE
// the door writes FILE as JSON Lines: first what the run is (the library's
// and the updater's versions, the command or "window"), then one object per
// call in call order: its number, the function, its inputs and outputs, its
// status, the time since the first call and its duration in milliseconds. An
// image is named as the library was given it, with the size and SHA-256 of
// the bytes there, never the bytes. A call that never returned is recorded
// as such when it is abandoned. Recording changes nothing the updater does:
// a file that cannot be written is said once (takeLostLine) and the run goes
// on unrecorded.
class CallRecorder
{
public:
    // One call of the library as the door makes it: its inputs taken
    // before, its outputs read after.
    class Call
    {
    public:
        explicit Call(const char* function) : function(function) {}

        Call& in(const char* name, int value);
        Call& image(const char* name, const char* path);
        // The value on entry is an input, the value on return an output.
        template <typename T>
        Call& inOut(const char* name, const T* value)
        {
            in(name, value ? int(*value) : -1);
            return out(name, value);
        }
        template <typename T>
        Call& out(const char* name, const T* value)
        {
            if (recording())
                outputs.emplace_back(name, [value] { return value ? QJsonValue(double(*value)) : QJsonValue(); });
            return *this;
        }
        // The first min(room, *count) entries of a list.
        Call& outList(const char* name, const int* values, int room, const int* count);

        // Makes the call, recorded when recording.
        template <typename Library>
        int made(Library library)
        {
            if (!recording())
                return int(library());
            const qint64 number = started();
            const int status = int(library());
            finished(number, status);
            return status;
        }

    private:
        qint64 started();
        void finished(qint64 number, int status);

        const char* function;
        QJsonObject inputs;
        std::vector<std::pair<QString, std::function<QJsonValue()>>> outputs;
    };

    // Before the first line: the updater's version, and what the run is
    // for (the command and its options, or "window").
    static void describeRun(const QString& updaterVersion, const QString& action);
    // The first line, once the library named its version; calls made
    // before then are recorded under an unknown version.
    static void begin(const QString& libraryVersion);
    // A window's step (or a command's), between the calls it makes.
    static void noteAction(const QString& step);
    // The call the door waits for was abandoned: recorded as never returned.
    static void abandoned();

    static bool recording();
    // The file RZ_API_RECORD names, absolute and clean: a relative name is
    // taken in the working folder. Empty when no file is named. The
    // recording takes it once, when the run starts, so that its file stays
    // in the folder the updater was started in whatever folder a write
    // later works in.
    static QString fileName();
    // The line that refuses RZ_API_RECORD, naming a relative path where the
    // working folder no longer exists; null when it is usable.
    static OperatorText fileProblem();
    // Once, when FILE could not be written: the line for the log.
    static OperatorText takeLostLine();
};

#endif
