#include "workflows/checks/VerifiedImages.h"

#include "catalogue/OperatorText.h"
#include "families/LibraryThread.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <limits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 chunkSize = 1024 * 1024;


bool processGone(qint64 pid)
{
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

VerifiedImages::VerifiedImages()
    : folder(freshFolderTemplate())
{
    if (!folder.isValid())
        return;
    handle = FileDescriptor(::open(QFile::encodeName(folder.path()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (handle.isOpen())
        ::mkdirat(handle.get(), "firmware", 0700);
}

// Folders left by runs that were killed go before this run makes its own,
// named after this process.
QString VerifiedImages::freshFolderTemplate()
{
    removeLeftBehind();
    return QDir::tempPath() + QStringLiteral("/rz-firmware-updater-%1-XXXXXX").arg(QCoreApplication::applicationPid());
}

// Only folders of this account, whose process is known to be gone: one
// whose process still runs, or whose id was taken by another, stays.
void VerifiedImages::removeLeftBehind()
{
    const QDir temporary(QDir::tempPath());
    const QRegularExpression name(QStringLiteral("^rz-firmware-updater-(\\d+)-[A-Za-z0-9]{6}$"));
    for (const QString& entry : temporary.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = name.match(entry);
        struct stat status;
        const QByteArray path = QFile::encodeName(temporary.filePath(entry));
        if (!match.hasMatch() || ::lstat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode)
            || status.st_uid != ::getuid() || !processGone(match.captured(1).toLongLong()))
            continue;
        QDir(temporary.filePath(entry)).removeRecursively();
    }
}

QString VerifiedImages::copyPath(const QString& path) const
{
    return folder.filePath(QDir::cleanPath(path));
}

// Opened without waiting and without following a link, since a pipe planted
// under an image's name would block the open and a link lead anywhere; only a
// regular file is read. The copy is made relative to the folder that was
// made, never by its name.
VerifiedImages::Taken VerifiedImages::take(const QString& path, const QString& readFrom, QByteArray* sha256Hex)
{
    const QString inFolder = QDir::cleanPath(path);
    if (QDir::isAbsolutePath(inFolder) || inFolder.startsWith(QLatin1String("..")))
        return Taken::Missing; // the copy would land outside the folder
    const FileDescriptor image(
        ::open(QFile::encodeName(readFrom).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status;
    if (!folder.isValid() || !image.isOpen() || ::fstat(image.get(), &status) != 0 || !S_ISREG(status.st_mode)
        || status.st_size == 0)
        return Taken::Missing;
    // A new file of this process's own (nothing else has the private
    // folder), in place of an earlier copy of the same image.
    drop(path);
    const FileDescriptor made(::openat(handle.get(), QFile::encodeName(inFolder).constData(),
                                       O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    QFile source;
    QFile copy;
    if (!made.isOpen() || !source.open(image.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)
        || !copy.open(made.get(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return Taken::Missing;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 copied = 0;
    for (QByteArray chunk = source.read(chunkSize); !chunk.isEmpty(); chunk = source.read(chunkSize)) {
        hash.addData(chunk);
        if (copy.write(chunk) != chunk.size())
            break;
        copied += chunk.size();
    }
    copy.close();
    if (source.error() != QFileDevice::NoError || copy.error() != QFileDevice::NoError || copied == 0) {
        drop(path);
        return Taken::Missing;
    }
    struct stat madeStatus;
    if (::fstat(made.get(), &madeStatus) != 0) {
        drop(path);
        return Taken::Missing;
    }
    copies.insert(inFolder, Copy{madeStatus.st_dev, madeStatus.st_ino, madeStatus.st_size});
    *sha256Hex = hash.result().toHex();
    return Taken::Copied;
}

void VerifiedImages::drop(const QString& path)
{
    const QString inFolder = QDir::cleanPath(path);
    copies.remove(inFolder);
    ::unlinkat(handle.get(), QFile::encodeName(inFolder).constData(), 0);
}

OperatorText VerifiedImages::problemWith(const QString& path) const
{
    if (!path.isEmpty())
        return problemWithCopy(path, copies.value(QDir::cleanPath(path)));
    for (auto copy = copies.cbegin(); copy != copies.cend(); ++copy) {
        const OperatorText problem = problemWithCopy(copy.key(), copy.value());
        if (!problem.isEmpty())
            return problem;
    }
    return OperatorText();
}

// Looked up from the folder that was made, never through a link.
OperatorText VerifiedImages::problemWithCopy(const QString& path, const Copy& made) const
{
    struct stat status;
    const QString name = QDir::cleanPath(path);
    if (!copies.contains(name) || ::fstatat(handle.get(), QFile::encodeName(name).constData(), &status,
                                            AT_SYMLINK_NOFOLLOW) != 0)
        return OperatorText::tr("%1 is gone").arg(copyPath(path));
    if (!S_ISREG(status.st_mode) || status.st_dev != made.device || status.st_ino != made.inode
        || status.st_size != made.size)
        return OperatorText::tr("%1 was changed").arg(copyPath(path));
    return OperatorText();
}

// A folder removed from under the process can still be entered by its
// handle, but holds nothing any more: that is no way to read a copy.
VerifiedImages::Inside::Inside(const VerifiedImages& images)
    : previous(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC))
{
    struct stat status;
    if (!images.isValid() || ::fstat(images.handle.get(), &status) != 0 || status.st_nlink == 0)
        why = OperatorText::tr("%1 is gone").arg(images.folder.path());
    else if (::fchdir(images.handle.get()) != 0)
        why = OperatorText::tr("cannot enter %1: %2")
                  .arg(images.folder.path())
                  .arg(QString::fromLocal8Bit(std::strerror(errno)));
}

VerifiedImages::Inside::~Inside()
{
    if (!previous.isOpen() || !why.isEmpty() || LibraryThread::abandoned())
        return;
    const int ignored = ::fchdir(previous.get());
    (void)ignored;
}
