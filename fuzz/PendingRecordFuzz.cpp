// A pending record as anyone with write access to the state folder's
// pending/ can plant it: the input's first line is the file's name, the rest
// its contents. It is read back as a check and a restore read it (newest(),
// components(), namedLogs()). Invariant: nothing crashes or hangs; a record
// newest() names is of a known model, its components are known ones of that
// model or "all", and it is the very file remove() clears, so no record
// outlives the run that finishes it.

#include "catalogue/Catalogue.h"
#include "records/run/PendingUpdate.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray pendingFolder;

} // namespace

// Qt 5.15's JSON parser leaks an array whose key comes again later in the
// object ({"a": 1, "b": [], "b": 2}): Qt's leak, left out by where it is
// made, which the allocations' stacks show when taken through Qt's frames.
extern "C" const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:QJsonDocument::fromJson\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static QTemporaryDir state;
    // The account's own folder is read too: it must not be the real one.
    qputenv("RZ_STATE_DIR", QFile::encodeName(state.filePath("machine")));
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.filePath("account")));
    pendingFolder = QFile::encodeName(state.filePath("machine/pending"));
    return state.isValid() && QDir().mkpath(state.filePath("machine/pending")) ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    const int lineEnd = input.indexOf('\n');
    const QByteArray name = input.left(lineEnd);
    // Nothing is written outside the folder; ".." and the like do not open.
    if (lineEnd < 0 || name.contains('/') || name.contains('\0'))
        return 0;
    const QByteArray path = pendingFolder + '/' + name;
    const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (file < 0)
        return 0;
    const QByteArray contents = input.mid(lineEnd + 1);
    const bool written = ::write(file, contents.constData(), size_t(contents.size())) == ssize_t(contents.size());
    ::close(file);
    PendingUpdate::namedLogs();
    const QList<PendingUpdate> records = written ? PendingUpdate::unfinished() : QList<PendingUpdate>();
    if (records.size() > 1)
        std::abort(); // one file, one record at most
    for (const PendingUpdate& record : records) {
        const QStringList components = record.components();
        const QStringList known = componentNames(record.deviceType());
        for (const QString& component : components) {
            if (!known.contains(component) && components != QStringList{QStringLiteral("all")})
                std::abort();
        }
        if (!isKnownDeviceType(record.deviceType()) || components.isEmpty() || !record.remove().isEmpty()
            || !PendingUpdate::unfinished().isEmpty())
            std::abort();
    }
    ::unlink(path.constData());
    return 0;
}
