#include "workflows/ImageCheck.h"

#include "catalogue/Catalogue.h"

#include <QFileInfo>

#include <utility>

ImageCheck::ImageCheck(LineSink emitLine)
    : emitLine(std::move(emitLine))
{
}

// Read anew each time: a key revoked or added by the administrator counts
// from the next check on.
bool ImageCheck::releaseIsTrusted()
{
    verified.reset();
    const TrustedKeys keys = TrustedKeys::installed();
    const SignedRelease release = SignedRelease::verify(firmwareFolder(), keys);
    switch (release.verdict()) {
    case SignedRelease::Verdict::Verified:
        verified = release;
        return true;
    case SignedRelease::Verdict::Unsigned:
        emitLine(QStringLiteral("The firmware in %1 is not signed; nothing will be written.").arg(firmwareFolder()));
        return false;
    case SignedRelease::Verdict::Untrusted:
        break;
    }
    if (!keys.unreadableRevocations().isEmpty())
        emitLine(QStringLiteral("Cannot read the revoked keys in %1; no key is trusted.")
                     .arg(keys.unreadableRevocations()));
    emitLine(QStringLiteral("The firmware in %1 is not signed by a trusted key; nothing will be written.")
                 .arg(firmwareFolder()));
    return false;
}

bool ImageCheck::passes(const std::vector<std::string>& imagePaths)
{
    if (!releaseIsTrusted())
        return false;
    std::vector<QString> paths;
    for (const std::string& path : imagePaths)
        paths.push_back(QString::fromLocal8Bit(path.c_str()));
    if (!allPresent(paths))
        return false;
    bool match = true;
    for (const QString& path : paths)
        match = matches(path) && match;
    return match;
}

bool ImageCheck::stillMatches(const std::string& imagePath) const
{
    return matches(QString::fromLocal8Bit(imagePath.c_str()));
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

// An image the signed list does not name, or names with another digest, is
// not the release's.
bool ImageCheck::matches(const QString& path) const
{
    const QFileInfo file(path);
    const QByteArray listed = verified && file.path() == firmwareFolder()
                                  ? verified->checksums().digestOf(file.fileName())
                                  : QByteArray();
    if (!listed.isEmpty() && listed == ChecksumList::sha256Of(path))
        return true;
    emitLine(QStringLiteral("Firmware image does not match the release checksum: ") + path);
    return false;
}
