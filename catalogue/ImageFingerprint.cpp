#include "catalogue/ImageFingerprint.h"

#include <QCryptographicHash>
#include <QFile>

QJsonObject ImageFingerprint::of(const char* path)
{
    if (!path)
        return QJsonObject{{"name", QJsonValue()}};
    QJsonObject image{{"name", QString::fromLocal8Bit(path)}};
    QFile file(QFile::decodeName(path));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return image;
    image.insert("size", file.size());
    image.insert("sha256", QString::fromLatin1(hash.result().toHex()));
    return image;
}
