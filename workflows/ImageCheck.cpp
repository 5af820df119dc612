#include "workflows/ImageCheck.h"

#include "catalogue/ChecksumList.h"

#include <QFileInfo>

#include <utility>

ImageCheck::ImageCheck(LineSink emitLine)
    : emitLine(std::move(emitLine))
{
}

bool ImageCheck::passes(const std::vector<std::string>& imagePaths) const
{
    std::vector<QString> paths;
    for (const std::string& path : imagePaths)
        paths.push_back(QString::fromLocal8Bit(path.c_str()));
    return allPresent(paths) && allMatchTheRelease(paths);
}

// An empty name is an image the catalogue has none of, for this model.
bool ImageCheck::allPresent(const std::vector<QString>& paths) const
{
    bool present = true;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        if (path.isEmpty() || !file.isFile() || !file.isReadable() || file.size() == 0) {
            emitLine(QStringLiteral("Missing firmware image: ") + path);
            present = false;
        }
    }
    return present;
}

// The list sits beside the images, under ./firmware. Without a list the
// images cannot be verified, which is said once; a list that is there but
// does not name an image, or names another digest, refuses it.
bool ImageCheck::allMatchTheRelease(const std::vector<QString>& paths) const
{
    if (paths.empty())
        return true;
    const QString folder = QFileInfo(paths.front()).path();
    if (!QFileInfo::exists(folder + QLatin1Char('/') + ChecksumList::fileName())) {
        emitLine(QStringLiteral("No checksum list in ./firmware; images not verified."));
        return true;
    }
    ChecksumList release;
    release.load(folder);
    bool match = true;
    for (const QString& path : paths) {
        const QByteArray listed = release.digestOf(QFileInfo(path).fileName());
        if (listed.isEmpty() || listed != ChecksumList::sha256Of(path)) {
            emitLine(QStringLiteral("Firmware image does not match the release checksum: ") + path);
            match = false;
        }
    }
    return match;
}
