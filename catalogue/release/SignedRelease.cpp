#include "catalogue/release/SignedRelease.h"

#include "catalogue/release/MinisignSignature.h"
#include "catalogue/PlantedFile.h"

#include <QCryptographicHash>
#include <QDir>

#include <sodium.h>

#include <optional>

namespace {

// A release's list names a dozen images; a larger file is no such list and
// is not read into memory.
constexpr qint64 longestFile = 1024 * 1024;

} // namespace

SignedRelease SignedRelease::verify(const QString& folder, const TrustedKeys& keys)
{
    SignedRelease release = verdictOn(folder, keys);
    // Named for a reader elsewhere, whatever the working folder becomes.
    release.checkedFolder = QDir(folder).absolutePath();
    return release;
}

SignedRelease SignedRelease::verdictOn(const QString& folder, const TrustedKeys& keys)
{
    const QDir dir(folder);
    QByteArray listText;
    QByteArray signatureText;
    OperatorText problem;
    const PlantedFile::Found list =
        PlantedFile::read(dir.filePath(ChecksumList::fileName()), longestFile, &listText, &problem);
    if (list == PlantedFile::Found::Unusable)
        return unreadable(problem);
    const PlantedFile::Found signatureFile =
        PlantedFile::read(dir.filePath(signatureFileName()), longestFile, &signatureText, &problem);
    if (signatureFile == PlantedFile::Found::Unusable)
        return unreadable(problem);
    if (list == PlantedFile::Found::None || signatureFile == PlantedFile::Found::None)
        return SignedRelease(Verdict::Unsigned);
    const std::optional<MinisignSignature> signature = MinisignSignature::parse(signatureText);
    if (!signature || sodium_init() < 0)
        return untrusted(Distrust::Malformed, QString());
    const QString keyId = MinisignPublicKey::idText(signature->keyId());
    const QVector<MinisignPublicKey> candidates = keys.withId(signature->keyId());
    if (candidates.isEmpty()) {
        const Distrust why = !keys.unreadableRevocations().isEmpty() ? Distrust::NoRevocations
                             : keys.isRevoked(signature->keyId()) ? Distrust::RevokedKey
                                                                  : Distrust::UnknownKey;
        return untrusted(why, keyId);
    }
    for (const MinisignPublicKey& key : candidates) {
        if (!signature->holdsFor(listText, key))
            continue;
        SignedRelease release(Verdict::Verified);
        release.signer = MinisignPublicKey::idText(key.keyId());
        release.trustedComment = QString::fromUtf8(signature->trustedComment());
        release.list.parse(listText);
        release.listDigest = QCryptographicHash::hash(listText, QCryptographicHash::Sha256).toHex();
        return release;
    }
    return untrusted(Distrust::Changed, keyId);
}

SignedRelease SignedRelease::untrusted(Distrust why, const QString& keyId)
{
    SignedRelease release(Verdict::Untrusted);
    release.why = why;
    release.signer = keyId;
    return release;
}

SignedRelease SignedRelease::unreadable(const OperatorText& problem)
{
    SignedRelease release(Verdict::Unreadable);
    release.unreadableFile = problem;
    return release;
}

QString SignedRelease::verdictName() const
{
    switch (result) {
    case Verdict::Verified:
        return QStringLiteral("verified");
    case Verdict::Unsigned:
        return QStringLiteral("unsigned");
    case Verdict::Untrusted:
        return QStringLiteral("untrusted");
    case Verdict::Unreadable:
        break;
    }
    return QStringLiteral("unreadable");
}

QString SignedRelease::keyStatus() const
{
    if (signer.isEmpty())
        return QString();
    switch (why) {
    case Distrust::RevokedKey:
        return QStringLiteral("revoked");
    case Distrust::UnknownKey:
        return QStringLiteral("unknown");
    case Distrust::NoRevocations:
        return QStringLiteral("untrusted");
    case Distrust::None:
    case Distrust::Changed:
    case Distrust::Malformed:
        break;
    }
    return QStringLiteral("trusted");
}
