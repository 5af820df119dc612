#ifndef SIGNEDRELEASE_H
#define SIGNEDRELEASE_H

#include "catalogue/ChecksumList.h"
#include "catalogue/release/TrustedKeys.h"

#include "catalogue/OperatorText.h"

#include <QString>

// A firmware folder as its maker released it: SHA256SUMS, and beside it
// SHA256SUMS.minisig, a minisign signature of that list by a trusted key.
// The list is read once; the digests handed out are those of the very
// bytes whose signature was verified.
class SignedRelease
{
public:
    enum class Verdict {
        Verified,
        Unsigned,   // no list, or no signature
        Untrusted,  // a bad or unknown signature, or a list changed since signing
        Unreadable, // the list or the signature is no regular file of sane size, see problem()
    };

    // Why an untrusted signature is not trusted.
    enum class Distrust {
        None,
        Malformed,   // no signature can be read from the file
        UnknownKey,  // by a key this machine has no file of
        RevokedKey,  // by a key the administrator revoked
        NoRevocations, // the revoked keys could not be read: no key is trusted
        Changed,     // by a trusted key, but not of this list: changed since signing
    };

    static QString signatureFileName() { return ChecksumList::fileName() + QStringLiteral(".minisig"); }

    static SignedRelease verify(const QString& folder, const TrustedKeys& keys);

    Verdict verdict() const { return result; }
    // Once verified: the key's ID (16 uppercase hex digits), the trusted
    // comment that names the release, and the signed list.
    // Untrusted: the key the signature names, where one could be read.
    const QString& keyId() const { return signer; }
    Distrust distrust() const { return why; }
    const QString& comment() const { return trustedComment; }
    const ChecksumList& checksums() const { return list; }
    // Lowercase hex SHA-256 of the very list bytes that were verified.
    const QByteArray& checksumsDigest() const { return listDigest; }
    // Once unreadable: which file, and what it is or why it cannot be read.
    const OperatorText& problem() const { return unreadableFile; }
    // The folder verified, whatever the verdict, as an absolute path.
    const QString& folder() const { return checkedFolder; }

    // The verdict and the key as scripts read them, in stable English:
    // "verified", "unsigned", "untrusted" or "unreadable"; and for a
    // signature that names a key, "trusted", "revoked", "unknown" or
    // "untrusted" (the revoked keys could not be read), else empty. A
    // trusted key whose signature does not hold was the list's signer
    // before the list was changed: "untrusted" by a "trusted" key.
    QString verdictName() const;
    QString keyStatus() const;

private:
    explicit SignedRelease(Verdict verdict) : result(verdict) {}
    static SignedRelease verdictOn(const QString& folder, const TrustedKeys& keys);
    static SignedRelease unreadable(const OperatorText& problem);

    static SignedRelease untrusted(Distrust why, const QString& keyId);

    Verdict result;
    Distrust why = Distrust::None;
    QString signer;
    QString trustedComment;
    ChecksumList list;
    QByteArray listDigest;
    OperatorText unreadableFile;
    QString checkedFolder;
};

#endif
