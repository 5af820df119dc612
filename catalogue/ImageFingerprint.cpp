#include "catalogue/ImageFingerprint.h"

#include "catalogue/PlantedFile.h"

#include <QCryptographicHash>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr qint64 largestImage = qint64(1) << 32;

} // namespace

QJsonObject ImageFingerprint::of(const char* path)
{
    if (!path)
        return QJsonObject{{"name", QJsonValue()}};
    QJsonObject image{{"name", QString::fromLocal8Bit(path)}};
    // The name the library was handed, which anyone may have planted a
    // link or a pipe under: opened as the images are, never followed or
    // waited on, and read only as a regular file.
    const int opened = ::open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    QFile file;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (opened < 0)
        return image;
    if (!PlantedFile::whyUnusable(opened, QFile::decodeName(path), largestImage).isEmpty()
        || !file.open(opened, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(opened);
        return image;
    }
    if (!hash.addData(&file))
        return image;
    image.insert("size", file.size());
    image.insert("sha256", QString::fromLatin1(hash.result().toHex()));
    return image;
}
