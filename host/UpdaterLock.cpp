#include "host/UpdaterLock.h"

#include "catalogue/OperatorText.h"
#include "host/StateFiles.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <limits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString reasonFor(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Nothing is ever read from the file, so its size does not matter.
constexpr qint64 anySize = std::numeric_limits<qint64>::max();

constexpr mode_t lockMode = 0660;

} // namespace

UpdaterLock::UpdaterLock() = default;

UpdaterLock::~UpdaterLock() = default;

QString UpdaterLock::path()
{
    const QString chosen = qEnvironmentVariable("RZ_LOCK_FILE");
    return chosen.isEmpty() ? QStringLiteral("/run/lock/rz-firmware-updater.lock")
                            : QDir::cleanPath(QDir::current().absoluteFilePath(chosen));
}

bool UpdaterLock::acquire()
{
    if (!descriptor.isOpen())
        descriptor = openLockFile();
    if (!descriptor.isOpen())
        return false;
    if (::flock(descriptor.get(), LOCK_EX | LOCK_NB) == 0)
        return true;
    if (errno == EWOULDBLOCK)
        error = heldElsewhereLine();
    else
        fail(reasonFor(errno));
    return false;
}

void UpdaterLock::fail(const QString& reason)
{
    error = OperatorText::tr("Cannot take the updater lock: %1").arg(reason);
}

// /run/lock is open to every account: whatever is found under the name is
// opened without following a link and without waiting (a pipe would hang
// the open), and used only when it is a regular file. An existing file is
// opened read-only, which is enough for flock and works whoever made it.
// Where the package did not make it, the first updater does, open to its
// owner and group only (0660, whatever the umask), as the package's is: an
// account that could open it could flock it and hold every updater off.
FileDescriptor UpdaterLock::openLockFile()
{
    const QByteArray file = QFile::encodeName(path());
    FileDescriptor opened;
    for (int attempt = 0; !opened.isOpen() && attempt < 2; ++attempt) {
        opened = FileDescriptor(::open(file.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (opened.isOpen() || errno != ENOENT)
            break;
        opened = FileDescriptor(
            ::open(file.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, lockMode));
        if (opened.isOpen())
            ::fchmod(opened.get(), lockMode);
        else if (errno != EEXIST) // made by another updater in between: open that one
            break;
    }
    if (!opened.isOpen()) {
        fail(errno == ELOOP ? QStringLiteral("%1 is a symbolic link").arg(path())
                            : QStringLiteral("%1: %2").arg(path(), reasonFor(errno)));
        return opened;
    }
    const QString unusable = StateFiles::whyUnusable(opened.get(), path(), anySize);
    if (!unusable.isEmpty()) {
        fail(unusable);
        return FileDescriptor();
    }
    return opened;
}
