#include "host/StateFiles.h"

#include "catalogue/OperatorText.h"
#include "host/GroupRefusal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t folderMode = 02770;
constexpr mode_t fileMode = 0660;

const char* const notAFile = QT_TRANSLATE_NOOP("OperatorText", "%1 is %2, not a file.");

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

OperatorText notAFileLine(const QString& path, unsigned mode)
{
    return OperatorText::marked(notAFile).arg(path).arg(PlantedFile::kindOf(mode));
}

// An account outside the folder's group is told how to join it.
OperatorText systemError(const QString& path, int error)
{
    const GroupRefusal refusal(path);
    if (error == EACCES && refusal.applies())
        return refusal.line();
    return OperatorText::verbatim(QStringLiteral("%1: %2").arg(path, systemReason(error)));
}

// A name only the updater that made it knows, for a file renamed into place.
QByteArray temporaryName(const QByteArray& name)
{
    return '.' + name + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

bool writeAll(int descriptor, const QByteArray& contents)
{
    const char* next = contents.constData();
    qint64 left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        next += written;
        left -= written;
    }
    return true;
}

} // namespace

StateFiles::StateFiles(const QString& base, const QString& subfolder, bool create)
    : location(subfolder.isEmpty() ? base : base + QLatin1Char('/') + subfolder)
{
    open(base, subfolder, create);
}

QString StateFiles::pathOf(const QString& name) const
{
    return QDir::toNativeSeparators(location + QLatin1Char('/') + name);
}

// The base is where the administrator or the account put it, links and
// all; the folders in it are the updater's own, so a link there is planted.
bool StateFiles::open(const QString& base, const QString& subfolder, bool create)
{
    const QByteArray basePath = QFile::encodeName(base);
    const bool madeBase = create && !QFileInfo::exists(base) && QDir().mkpath(base);
    FileDescriptor opened(::open(basePath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (opened.isOpen() && madeBase)
        ::fchmod(opened.get(), folderMode);
    if (opened.isOpen() && !subfolder.isEmpty()) {
        const QByteArray name = QFile::encodeName(subfolder);
        const bool madeSub = create && ::mkdirat(opened.get(), name.constData(), folderMode) == 0;
        opened = FileDescriptor(
            ::openat(opened.get(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (opened.isOpen() && madeSub)
            ::fchmod(opened.get(), folderMode);
    }
    if (!opened.isOpen()) {
        const int reason = errno;
        const GroupRefusal refusal(location);
        error = reason == ELOOP || reason == ENOTDIR
                    ? OperatorText::verbatim(QStringLiteral("%1 is not a folder").arg(QDir::toNativeSeparators(location)))
                : reason == EACCES && refusal.applies()
                    ? refusal.line()
                    : OperatorText::verbatim(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(location), systemReason(reason)));
        return false;
    }
    folder = std::move(opened);
    return true;
}

OperatorText StateFiles::whyUnusable(int descriptor, const QString& path, qint64 longest)
{
    return PlantedFile::whyUnusable(descriptor, QDir::toNativeSeparators(path), longest);
}

StateFiles::Found StateFiles::read(const QString& name, qint64 longest, QByteArray* contents, OperatorText* reason) const
{
    if (!folder.isOpen())
        return Found::None;
    return PlantedFile::read(folder.get(), name, pathOf(name), longest, contents, reason);
}

bool StateFiles::replace(const QString& name, const QByteArray& contents, OperatorText* reason) const
{
    if (!folder.isOpen()) {
        *reason = error;
        return false;
    }
    const QByteArray target = QFile::encodeName(name);
    const QByteArray temporary = temporaryName(target);
    FileDescriptor file(::openat(folder.get(), temporary.constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, fileMode));
    bool done = file.isOpen() && ::fchmod(file.get(), fileMode) == 0 && writeAll(file.get(), contents)
                && ::fsync(file.get()) == 0;
    done = done && ::renameat(folder.get(), temporary.constData(), folder.get(), target.constData()) == 0;
    const int failure = errno;
    if (!done) {
        if (file.isOpen())
            ::unlinkat(folder.get(), temporary.constData(), 0);
        *reason = OperatorText::verbatim(QStringLiteral("%1: %2").arg(pathOf(name), systemReason(failure)));
        return false;
    }
    ::fsync(folder.get());
    return true;
}

FileDescriptor StateFiles::create(const QString& name, int* error) const
{
    if (!folder.isOpen()) {
        *error = ENOENT;
        return FileDescriptor();
    }
    FileDescriptor file(::openat(folder.get(), QFile::encodeName(name).constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, fileMode));
    *error = errno;
    if (file.isOpen())
        ::fchmod(file.get(), fileMode);
    return file;
}

FileDescriptor StateFiles::openRegular(const QString& name, bool create, OperatorText* reason) const
{
    *reason = OperatorText();
    if (!folder.isOpen())
        return FileDescriptor();
    const QByteArray file = QFile::encodeName(name);
    struct stat seen {};
    const bool existed = ::fstatat(folder.get(), file.constData(), &seen, AT_SYMLINK_NOFOLLOW) == 0;
    if (existed && !S_ISREG(seen.st_mode)) {
        *reason = notAFileLine(pathOf(name), seen.st_mode);
        return FileDescriptor();
    }
    const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (create ? O_CREAT : 0);
    FileDescriptor opened(::openat(folder.get(), file.constData(), flags, fileMode));
    if (!opened.isOpen()) {
        // A link or a pipe put there since it was looked at.
        if (errno == ELOOP || errno == ENXIO)
            *reason = notAFileLine(pathOf(name), errno == ELOOP ? S_IFLNK : S_IFSOCK);
        else if (errno != ENOENT)
            *reason = systemError(pathOf(name), errno);
        return FileDescriptor();
    }
    if (::fstat(opened.get(), &seen) != 0 || !S_ISREG(seen.st_mode)) {
        *reason = notAFileLine(pathOf(name), seen.st_mode);
        return FileDescriptor();
    }
    if (!existed)
        ::fchmod(opened.get(), fileMode);
    return opened;
}

OperatorText StateFiles::whyNotRegular(const QString& name) const
{
    struct stat seen {};
    if (!folder.isOpen()
        || ::fstatat(folder.get(), QFile::encodeName(name).constData(), &seen, AT_SYMLINK_NOFOLLOW) != 0
        || S_ISREG(seen.st_mode))
        return OperatorText();
    return notAFileLine(pathOf(name), seen.st_mode);
}

QString StateFiles::setAside(const QString& name) const
{
    const QString stem = name + QStringLiteral(".broken-")
                         + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString kept = stem;
    for (int copy = 2; !renameUnlessTaken(name, kept); ++copy) {
        if (errno != EEXIST)
            return QString();
        kept = stem + QStringLiteral("-%1").arg(copy);
    }
    return kept;
}

bool StateFiles::renameUnlessTaken(const QString& from, const QString& to) const
{
    if (!folder.isOpen()) {
        errno = ENOENT;
        return false;
    }
    return ::renameat2(folder.get(), QFile::encodeName(from).constData(), folder.get(),
                       QFile::encodeName(to).constData(), RENAME_NOREPLACE)
           == 0;
}

QStringList StateFiles::names() const
{
    QStringList found;
    const int listed = folder.isOpen() ? ::fcntl(folder.get(), F_DUPFD_CLOEXEC, 0) : -1;
    DIR* entries = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (!entries) {
        if (listed >= 0)
            ::close(listed);
        return found;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name != QLatin1String(".") && name != QLatin1String(".."))
            found << name;
    }
    ::closedir(entries);
    return found;
}

bool StateFiles::remove(const QString& name) const
{
    if (!folder.isOpen())
        return true;
    return ::unlinkat(folder.get(), QFile::encodeName(name).constData(), 0) == 0 || errno == ENOENT;
}

qint64 StateFiles::lastWritten(const QString& name) const
{
    struct stat status;
    if (!folder.isOpen()
        || ::fstatat(folder.get(), QFile::encodeName(name).constData(), &status, AT_SYMLINK_NOFOLLOW) != 0
        || !S_ISREG(status.st_mode))
        return -1;
    return qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
}

// The lock is held until the name is gone.
bool StateFiles::removeUnlessLocked(const QString& name) const
{
    if (!folder.isOpen())
        return false;
    const QByteArray file = QFile::encodeName(name);
    const FileDescriptor opened(::openat(folder.get(), file.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status;
    return opened.isOpen() && ::fstat(opened.get(), &status) == 0 && S_ISREG(status.st_mode)
           && ::flock(opened.get(), LOCK_EX | LOCK_NB) == 0 && ::unlinkat(folder.get(), file.constData(), 0) == 0;
}
