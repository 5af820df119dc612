#include "workflows/VerifiedImages.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 chunkSize = 1024 * 1024;

} // namespace

VerifiedImages::VerifiedImages()
    : folder(QDir::tempPath() + QStringLiteral("/rz-firmware-updater-XXXXXX"))
{
    if (folder.isValid())
        QDir(folder.path()).mkdir(QStringLiteral("firmware"));
}

QString VerifiedImages::copyPath(const QString& path) const
{
    return folder.filePath(QDir::cleanPath(path));
}

// Opened without waiting, since a pipe planted under an image's name would
// block the open; only a regular file is read.
VerifiedImages::Taken VerifiedImages::take(const QString& path, QByteArray* sha256Hex)
{
    const QString inFolder = QDir::cleanPath(path);
    if (QDir::isAbsolutePath(inFolder) || inFolder.startsWith(QLatin1String("..")))
        return Taken::Missing; // the copy would land outside the folder
    const FileDescriptor image(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status;
    if (!folder.isValid() || !image.isOpen() || ::fstat(image.get(), &status) != 0 || !S_ISREG(status.st_mode)
        || status.st_size == 0)
        return Taken::Missing;
    // A new file of this process's own (nothing else has the private
    // folder), in place of an earlier copy of the same image.
    drop(path);
    const FileDescriptor made(::open(QFile::encodeName(copyPath(path)).constData(),
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
    *sha256Hex = hash.result().toHex();
    return Taken::Copied;
}

void VerifiedImages::drop(const QString& path)
{
    QFile::remove(copyPath(path));
}

VerifiedImages::Inside::Inside(const VerifiedImages& images)
    : previous(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC))
{
    QDir::setCurrent(images.folder.path());
}

VerifiedImages::Inside::~Inside()
{
    if (!previous.isOpen())
        return;
    const int ignored = ::fchdir(previous.get());
    (void)ignored;
}
