#include "host/UpdaterLock.h"

#include "host/StateFolder.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString reasonFor(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

UpdaterLock::UpdaterLock() = default;

UpdaterLock::~UpdaterLock()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

QString UpdaterLock::path()
{
    const QString folder = qEnvironmentVariable("RZ_STATE_DIR");
    if (!folder.isEmpty())
        return folder + QStringLiteral("/updater.lock");
    return QStringLiteral("/run/lock/rz-firmware-updater.lock");
}

bool UpdaterLock::acquire()
{
    if (descriptor < 0)
        descriptor = openLockFile();
    if (descriptor < 0)
        return false;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0)
        return true;
    error = errno == EWOULDBLOCK ? heldElsewhereLine()
                                 : QStringLiteral("Cannot take the updater lock: ") + reasonFor(errno);
    return false;
}

// Never through a symbolic link: in a folder every account may write, one
// could point the updater at any file. An existing file is opened read-only,
// which is enough for flock and works whoever made it; a new one is made
// writable by every account for the same reason.
int UpdaterLock::openLockFile()
{
    QString reason;
    if (!qEnvironmentVariableIsEmpty("RZ_STATE_DIR") && !makeStateFolder(stateFolder(), &reason)) {
        error = QStringLiteral("Cannot take the updater lock: ") + reason;
        return -1;
    }
    const QByteArray file = QFile::encodeName(path());
    int opened = -1;
    for (int attempt = 0; opened < 0 && attempt < 2; ++attempt) {
        opened = ::open(file.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (opened >= 0 || errno != ENOENT)
            break;
        opened = ::open(file.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (opened >= 0)
            ::fchmod(opened, 0666);
        else if (errno != EEXIST) // made by another updater in between: open that one
            break;
    }
    if (opened < 0)
        error = QStringLiteral("Cannot take the updater lock: %1: %2").arg(path(), reasonFor(errno));
    return opened;
}
