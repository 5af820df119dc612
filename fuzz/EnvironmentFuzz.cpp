// The environment variables the updater reads, as whoever starts it may set
// them: the input's first byte picks the variable, the rest (up to a NUL) is
// its value; the others are unset, but HOME, a temporary folder. Only the
// choices are made: no lock is taken, no recording written. Invariant:
// nothing crashes or hangs; a stall scale is accepted only finite and from
// 0.001 to 1000, and refused with the front ends' line otherwise; the lock
// file and the recording are absolute, clean paths, and so is the state
// folder unless the front ends refuse to start with a line.

#include "families/CallBudget.h"
#include "families/CallRecorder.h"
#include "host/StateFolder.h"
#include "host/UpdaterLock.h"
#include "workflows/flows/UpdaterSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace {

const char* const variables[] = {"RZ_STALL_SCALE", "RZ_STATE_DIR", "XDG_STATE_HOME", "HOME", "RZ_LOCK_FILE",
                                 "RZ_API_RECORD"};
QByteArray home;

bool isCleanAbsolute(const QString& path)
{
    return path.startsWith(QLatin1Char('/')) && QDir::cleanPath(path) == path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static QTemporaryDir folder;
    home = QFile::encodeName(folder.path());
    return folder.isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    for (const char* variable : variables)
        qunsetenv(variable);
    qputenv("HOME", home);
    const char* chosen = variables[data[0] % std::size(variables)];
    const QByteArray value(reinterpret_cast<const char*>(data) + 1, int(size) - 1);
    const int end = value.indexOf('\0');
    qputenv(chosen, end < 0 ? value : value.left(end));

    const bool refused = !UpdaterSession::environmentProblem().isEmpty();
    if (qEnvironmentVariableIsSet("RZ_STALL_SCALE")) {
        const std::optional<double> scale = CallBudget::parseScale(qEnvironmentVariable("RZ_STALL_SCALE"));
        if ((scale && (!std::isfinite(*scale) || *scale < 0.001 || *scale > 1000)) || scale.has_value() == refused)
            std::abort();
    }
    const QString recording = CallRecorder::fileName();
    if ((!refused && !isCleanAbsolute(stateFolder())) || !isCleanAbsolute(UpdaterLock::path())
        || (!recording.isEmpty() && !isCleanAbsolute(recording)))
        std::abort();
    return 0;
}
