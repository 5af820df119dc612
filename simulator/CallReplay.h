#ifndef CALLREPLAY_H
#define CALLREPLAY_H

#include "simulator/CallTrace.h"
#include "simulator/Recording.h"

#include <QByteArray>

#include <mutex>

// With RZ_SIM_REPLAY=FILE the simulated library answers from a recording of
// the device library instead of its instrument. Each call must be the next
// recorded one, with the same inputs (an image by its name and the digest
// of its bytes); it then gets the recorded outputs and status after the
// recorded duration times RZ_SIM_TIME_SCALE (default 1, 0 at once), and a
// call recorded as never returning never returns. Any other call, or one
// past the end, fails and says "rzsim replay: diverged at call N: " with
// what was expected and what came, on standard error and in the trace.
class CallReplay
{
public:
    // Null unless replaying; the recording is read at the first call.
    static CallReplay* active();

    int answer(CallTrace& trace);
    // The recorded library's version, or null where none was recorded.
    const char* libraryVersion() const { return version.isNull() ? nullptr : version.constData(); }
    // The recording's absolute path, in the file system's encoding.
    const char* source() const { return path.constData(); }

private:
    CallReplay();
    int diverge(CallTrace& trace, qint64 number, const QString& what);

    std::mutex mutex;
    Recording recording;
    QString unreadable; // why the recording could not be read
    QByteArray version;
    QByteArray path;
    double timeScale = 1;
    qint64 calls = 0;
};

#endif
