#include "workflows/ImageCheck.h"

#include "catalogue/OperatorText.h"
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
    keyLines.clear();
    for (const QString& problem : keys.unusableKeys())
        keyLines << OperatorText::tr("Cannot use the key file %1.").arg(problem);
    const SignedRelease release = SignedRelease::verify(firmwareFolder(), keys);
    switch (release.verdict()) {
    case SignedRelease::Verdict::Verified:
        verified = release;
        return true;
    case SignedRelease::Verdict::Unsigned:
        emitLine(OperatorText::tr("The firmware in %1 is not signed; nothing will be written.").arg(firmwareFolder()));
        return false;
    case SignedRelease::Verdict::Unreadable:
        emitLine(OperatorText::tr("The firmware in %1 cannot be checked: %2; nothing will be written.")
                     .arg(firmwareFolder())
                     .arg(release.problem()));
        return false;
    case SignedRelease::Verdict::Untrusted:
        break;
    }
    if (!keys.unreadableRevocations().isEmpty())
        emitLine(OperatorText::tr("Cannot read the revoked keys in %1; no key is trusted.")
                     .arg(keys.unreadableRevocations()));
    emitLine(OperatorText::tr("The firmware in %1 is not signed by a trusted key; nothing will be written.")
                 .arg(firmwareFolder()));
    return false;
}

// Every image is taken before any is matched, so that all missing ones are
// named at once. An empty name is an image the catalogue has none of, for
// this model.
bool ImageCheck::passes(const std::vector<std::string>& imagePaths)
{
    copies.reset();
    if (!releaseIsTrusted())
        return false;
    auto taken = std::make_unique<VerifiedImages>();
    if (!taken->isValid()) {
        emitLine(OperatorText::tr("Cannot keep a private copy of the firmware: %1").arg(taken->errorString()));
        return false;
    }
    std::vector<std::pair<QString, QByteArray>> digests;
    bool present = true;
    for (const std::string& image : imagePaths) {
        const QString path = QString::fromLocal8Bit(image.c_str());
        QByteArray digest;
        if (path.isEmpty() || taken->take(path, &digest) != VerifiedImages::Taken::Copied) {
            emitLine(OperatorText::tr("Missing firmware image: %1").arg(path));
            present = false;
        }
        digests.emplace_back(path, digest);
    }
    if (!present)
        return false;
    bool match = true;
    for (const auto& [path, digest] : digests)
        match = matches(path, digest) && match;
    if (match)
        copies = std::move(taken);
    return match;
}

// An image the signed list does not name, or names with another digest, is
// not the release's.
bool ImageCheck::matches(const QString& path, const QByteArray& digest) const
{
    const QFileInfo file(path);
    const QByteArray listed = verified && file.path() == firmwareFolder()
                                  ? verified->checksums().digestOf(file.fileName())
                                  : QByteArray();
    if (!listed.isEmpty() && listed == digest)
        return true;
    emitLine(OperatorText::tr("Firmware image does not match the release checksum: %1").arg(path));
    return false;
}
