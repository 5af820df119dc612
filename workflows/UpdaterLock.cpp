#include "workflows/UpdaterLock.h"

#include <QDir>
#include <QStandardPaths>

namespace {

// XDG_RUNTIME_DIR, else the temporary folder: a missing runtime folder must
// not stop the updater, nor make Qt warn about it.
QString lockPath()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/rz-firmware-updater.lock");
}

} // namespace

UpdaterLock::UpdaterLock()
    : file(lockPath())
{
    // Never stale by age: an update may run for many minutes.
    file.setStaleLockTime(0);
}

bool UpdaterLock::acquire()
{
    return file.tryLock(0);
}
