#include "host/UpdaterLock.h"

#include "catalogue/LocalPath.h"
#include "catalogue/OperatorText.h"
#include "host/StateFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <limits>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString reasonFor(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What the file holds is read a bounded number of bytes at a time, so its
// size does not matter.
constexpr qint64 anySize = std::numeric_limits<qint64>::max();
constexpr int holderBytes = 128;

constexpr mode_t lockMode = 0660;

QString accountOf(uid_t user)
{
    const struct passwd* found = ::getpwuid(user);
    return found ? QString::fromLocal8Bit(found->pw_name) : QString::number(user);
}

// Anyone in the group can write anything into the file, and a holder that
// could not write leaves an earlier holder's line: a process number and an
// account name in plain ASCII are taken only when that process runs, as
// that account, now.
bool holderRuns(qint64 process, const QString& account)
{
    struct stat status = {};
    const QByteArray proc = "/proc/" + QByteArray::number(process);
    return process > 0 && process <= std::numeric_limits<pid_t>::max()
           && (::kill(pid_t(process), 0) == 0 || errno == EPERM) && ::stat(proc.constData(), &status) == 0
           && accountOf(status.st_uid) == account;
}

// What is left of the holder's line when it cannot be cut matters little:
// a reader checks it against the running processes.
void cutTo(int descriptor, off_t size)
{
    if (::ftruncate(descriptor, size) != 0)
        return;
}

} // namespace

UpdaterLock::UpdaterLock() = default;

// Emptied while still held, so that no later reader finds this holder.
UpdaterLock::~UpdaterLock()
{
    if (held && writable)
        cutTo(descriptor.get(), 0);
}

QString UpdaterLock::path()
{
    const QString chosen = qEnvironmentVariable("RZ_LOCK_FILE");
    return chosen.isEmpty() ? QStringLiteral("/run/lock/rz-firmware-updater.lock")
                            : LocalPath::absolute(chosen);
}

OperatorText UpdaterLock::pathProblem()
{
    return LocalPath::problemOf("RZ_LOCK_FILE");
}

bool UpdaterLock::acquire()
{
    if (held)
        return true;
    if (!descriptor.isOpen())
        descriptor = openLockFile();
    if (!descriptor.isOpen())
        return false;
    if (::flock(descriptor.get(), LOCK_EX | LOCK_NB) == 0) {
        held = true;
        showHeld();
        writeHolder();
        return true;
    }
    if (errno == EWOULDBLOCK)
        error = heldElsewhereLine();
    else
        fail(OperatorText::verbatim(reasonFor(errno)));
    return false;
}

// A reader's lock besides, of the kind F_OFD_GETLK sees and flock() does
// not: heldByAnother() asks for it without taking anything, where trying
// the flock itself, even shared, would refuse an updater starting at that
// moment. Without it (a file system that has no such locks) a reader takes
// the pending rows for interrupted ones, and nothing else changes.
void UpdaterLock::showHeld() const
{
    struct flock sign = {};
    sign.l_type = F_RDLCK;
    sign.l_whence = SEEK_SET;
    ::fcntl(descriptor.get(), F_OFD_SETLK, &sign);
}

bool UpdaterLock::heldByAnother()
{
    const QString lockPath = path();
    const FileDescriptor file(
        ::open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    // Every updater makes the file before it takes the lock.
    if (!file.isOpen())
        return errno != ENOENT;
    if (!StateFiles::whyUnusable(file.get(), lockPath, anySize).isEmpty())
        return true;
    struct flock asked = {};
    asked.l_type = F_WRLCK;
    asked.l_whence = SEEK_SET;
    return ::fcntl(file.get(), F_OFD_GETLK, &asked) != 0 || asked.l_type != F_UNLCK;
}

// One line, written over the start and cut to its length, so that a reader
// never finds the file empty in between. Where the file is not this
// account's to write, nothing is said: the lock is what matters.
void UpdaterLock::writeHolder() const
{
    if (!writable)
        return;
    const QByteArray line =
        QByteArray::number(qint64(::getpid())) + ' ' + accountOf(::geteuid()).toLocal8Bit() + '\n';
    if (::pwrite(descriptor.get(), line.constData(), size_t(line.size()), 0) == line.size())
        cutTo(descriptor.get(), line.size());
}

OperatorText UpdaterLock::heldElsewhereLine() const
{
    char bytes[holderBytes];
    const ssize_t count = ::pread(descriptor.get(), bytes, sizeof bytes, 0);
    const QByteArray text = count > 0 ? QByteArray(bytes, int(count)) : QByteArray();
    static const QRegularExpression holder(QStringLiteral("^([1-9][0-9]{0,9}) ([!-~]{1,64})\n"));
    const QRegularExpressionMatch match = holder.match(QString::fromLatin1(text));
    if (match.hasMatch() && holderRuns(match.captured(1).toLongLong(), match.captured(2)))
        return OperatorText::tr("Another firmware updater is already running: process %1 of the account %2.")
            .arg(match.captured(1))
            .arg(match.captured(2));
    return OperatorText::tr("Another firmware updater is already running.");
}

void UpdaterLock::fail(const OperatorText& reason)
{
    error = OperatorText::tr("Cannot take the updater lock: %1").arg(reason);
}

// /run/lock is open to every account: whatever is found under the name is
// opened without following a link and without waiting (a pipe would hang
// the open), and used only when it is a regular file. An existing file is
// opened for writing where it may be, else read-only, which is enough for
// flock and works whoever made it.
// Where the package did not make it, the first updater does, open to its
// owner and group only (0660, whatever the umask), as the package's is: an
// account that could open it could flock it and hold every updater off.
FileDescriptor UpdaterLock::openLockFile()
{
    const QByteArray file = QFile::encodeName(path());
    FileDescriptor opened;
    for (int attempt = 0; !opened.isOpen() && attempt < 2; ++attempt) {
        opened = openExisting(file);
        if (opened.isOpen() || errno != ENOENT)
            break;
        opened = FileDescriptor(
            ::open(file.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, lockMode));
        writable = opened.isOpen();
        if (opened.isOpen())
            ::fchmod(opened.get(), lockMode);
        else if (errno != EEXIST) // made by another updater in between: open that one
            break;
    }
    if (!opened.isOpen()) {
        const int why = errno;
        const GroupRefusal refused(path());
        if (why == EACCES && refused.applies()) {
            refusal = refused;
            fail(refusal->line());
        } else {
            fail(OperatorText::verbatim(why == ELOOP ? QStringLiteral("%1 is a symbolic link").arg(path())
                                                     : QStringLiteral("%1: %2").arg(path(), reasonFor(why))));
        }
        return opened;
    }
    const OperatorText unusable = StateFiles::whyUnusable(opened.get(), path(), anySize);
    if (!unusable.isEmpty()) {
        fail(unusable);
        return FileDescriptor();
    }
    // A second name for the file may be another file altogether, planted
    // for the updater to overwrite.
    struct stat status = {};
    writable = writable && ::fstat(opened.get(), &status) == 0 && status.st_nlink == 1;
    return opened;
}

FileDescriptor UpdaterLock::openExisting(const QByteArray& file)
{
    constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    FileDescriptor opened(::open(file.constData(), O_RDWR | flags));
    writable = opened.isOpen();
    // Whatever else refuses writing (a folder, a read-only mount, another's
    // file) is opened as before, and then refused or used read-only.
    if (!opened.isOpen() && errno != ENOENT && errno != ELOOP)
        opened = FileDescriptor(::open(file.constData(), O_RDONLY | flags));
    return opened;
}
