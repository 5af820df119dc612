#include "catalogue/SignedRelease.h"

#include "catalogue/MinisignSignature.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <sodium.h>

#include <optional>

namespace {

// A release's list names a dozen images; a larger file is no such list and
// is not read into memory.
constexpr qint64 longestFile = 1024 * 1024;

enum class Read { Done, Missing, TooLong };

Read readSmallFile(const QString& path, QByteArray* contents)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Read::Missing;
    *contents = file.read(longestFile + 1);
    return contents->size() > longestFile ? Read::TooLong : Read::Done;
}

} // namespace

SignedRelease SignedRelease::verify(const QString& folder, const TrustedKeys& keys)
{
    const QDir dir(folder);
    QByteArray listText;
    QByteArray signatureText;
    const Read list = readSmallFile(dir.filePath(ChecksumList::fileName()), &listText);
    const Read signatureFile = readSmallFile(dir.filePath(signatureFileName()), &signatureText);
    if (list == Read::Missing || signatureFile == Read::Missing)
        return SignedRelease(Verdict::Unsigned);
    const std::optional<MinisignSignature> signature = MinisignSignature::parse(signatureText);
    if (list == Read::TooLong || !signature || sodium_init() < 0)
        return SignedRelease(Verdict::Untrusted);
    for (const MinisignPublicKey& key : keys.withId(signature->keyId())) {
        if (!signature->holdsFor(listText, key))
            continue;
        SignedRelease release(Verdict::Verified);
        release.signer = MinisignPublicKey::idText(key.keyId());
        release.trustedComment = QString::fromUtf8(signature->trustedComment());
        release.list.parse(listText);
        release.listDigest = QCryptographicHash::hash(listText, QCryptographicHash::Sha256).toHex();
        return release;
    }
    return SignedRelease(Verdict::Untrusted);
}
