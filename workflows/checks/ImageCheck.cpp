#include "workflows/checks/ImageCheck.h"

#include "catalogue/OperatorText.h"
#include "catalogue/ModelTable.h"

#include <QFileInfo>

#include <utility>

ImageCheck::ImageCheck(LineSink emitLine, const QString& releaseFolder)
    : emitLine(std::move(emitLine)), named(releaseFolder)
{
}

// Read anew each time: a key revoked or added by the administrator counts
// from the next check on, and so does a ./firmware made meanwhile. A
// release that is not there is said to be missing, never to be unsigned.
bool ImageCheck::releaseIsTrusted()
{
    verified.reset();
    checked.reset();
    folder = ReleaseFolder::find(named);
    const TrustedKeys keys = TrustedKeys::installed();
    noteLines.clear();
    if (folder.isInstalled())
        noteLines << OperatorText::tr("Using the firmware installed with the updater: %1").arg(folder.path());
    for (const OperatorText& problem : keys.unusableKeys())
        noteLines << OperatorText::tr("Cannot use the key file %1.").arg(problem);
    if (!folder.isFound() && !named.isEmpty()) {
        emitLine(OperatorText::tr("No firmware found in %1; nothing will be written.").arg(named));
        return false;
    }
    if (!folder.isFound()) {
        const QStringList searched = ReleaseFolder::searched();
        emitLine(OperatorText::tr("No firmware found in %1 or in %2; nothing will be written.")
                     .arg(searched.value(0))
                     .arg(searched.value(1)));
        return false;
    }
    const SignedRelease release = SignedRelease::verify(folder.path(), keys);
    checked = release;
    switch (release.verdict()) {
    case SignedRelease::Verdict::Verified:
        verified = release;
        return true;
    case SignedRelease::Verdict::Unsigned:
        emitLine(OperatorText::tr("The firmware in %1 is not signed; nothing will be written.").arg(folder.path()));
        return false;
    case SignedRelease::Verdict::Unreadable:
        emitLine(OperatorText::tr("The firmware in %1 cannot be checked: %2; nothing will be written.")
                     .arg(folder.path())
                     .arg(release.problem()));
        return false;
    case SignedRelease::Verdict::Untrusted:
        break;
    }
    if (!keys.unreadableRevocations().isEmpty())
        emitLine(OperatorText::tr("Cannot read the revoked keys in %1; no key is trusted.")
                     .arg(keys.unreadableRevocations()));
    emitLine(OperatorText::tr("The firmware in %1 is not signed by a trusted key; nothing will be written.")
                 .arg(folder.path()));
    const OperatorText why = distrustLine(release);
    if (!why.isEmpty())
        emitLine(why);
    return false;
}

// What the administrator is to be asked about: the key by its ID, as
// minisign and the key files name it.
OperatorText ImageCheck::distrustLine(const SignedRelease& release)
{
    switch (release.distrust()) {
    case SignedRelease::Distrust::Malformed:
        return OperatorText::tr("Its signature file names no key that can be read.");
    case SignedRelease::Distrust::UnknownKey:
        return OperatorText::tr("It is signed by key %1, which this machine does not trust: ask the administrator "
                                "whether key %1 is the maker's.")
            .arg(release.keyId());
    case SignedRelease::Distrust::RevokedKey:
        return OperatorText::tr("It is signed by key %1, which the administrator revoked: get a release signed by "
                                "a key in use.")
            .arg(release.keyId());
    case SignedRelease::Distrust::Changed:
        return OperatorText::tr("Its signature by key %1 does not hold for its list of images: the list or the "
                                "signature was changed after signing; get the release again.")
            .arg(release.keyId());
    case SignedRelease::Distrust::NoRevocations:
    case SignedRelease::Distrust::None:
        break;
    }
    return OperatorText();
}

// Every image is taken before any is matched, so that all missing ones are
// named at once. An empty name is an image the catalogue has none of, for
// this model. Each is read from the release folder in use and copied under
// the catalogue's name, by which the library reads the copy.
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
    std::vector<Image> read;
    bool present = true;
    for (const std::string& name : imagePaths) {
        Image image;
        image.path = QString::fromLocal8Bit(name.c_str());
        image.source = folder.imagePath(image.path);
        if (image.path.isEmpty()
            || taken->take(image.path, image.source, &image.digest) != VerifiedImages::Taken::Copied) {
            emitLine(OperatorText::tr("Missing firmware image: %1").arg(image.source));
            present = false;
        }
        read.push_back(image);
    }
    if (!present)
        return false;
    bool match = true;
    for (const Image& image : read)
        match = matches(image) && match;
    if (match)
        copies = std::move(taken);
    return match;
}

// An image the signed list does not name, or names with another digest, is
// not the release's.
bool ImageCheck::matches(const Image& image) const
{
    const QFileInfo file(image.path);
    const QByteArray listed = verified && file.path() == ModelTable::firmwareFolder()
                                  ? verified->checksums().digestOf(file.fileName())
                                  : QByteArray();
    if (!listed.isEmpty() && listed == image.digest)
        return true;
    emitLine(OperatorText::tr("Firmware image does not match the release checksum: %1").arg(image.source));
    return false;
}
