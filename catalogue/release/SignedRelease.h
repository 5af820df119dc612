#ifndef SIGNEDRELEASE_H
#define SIGNEDRELEASE_H

#include "catalogue/ChecksumList.h"
#include "catalogue/release/TrustedKeys.h"

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

    static QString signatureFileName() { return ChecksumList::fileName() + QStringLiteral(".minisig"); }

    static SignedRelease verify(const QString& folder, const TrustedKeys& keys);

    Verdict verdict() const { return result; }
    // Once verified: the key's ID (16 uppercase hex digits), the trusted
    // comment that names the release, and the signed list.
    const QString& keyId() const { return signer; }
    const QString& comment() const { return trustedComment; }
    const ChecksumList& checksums() const { return list; }
    // Lowercase hex SHA-256 of the very list bytes that were verified.
    const QByteArray& checksumsDigest() const { return listDigest; }
    // Once unreadable: which file, and what it is or why it cannot be read.
    const QString& problem() const { return unreadableFile; }

private:
    explicit SignedRelease(Verdict verdict) : result(verdict) {}
    static SignedRelease unreadable(const QString& problem);

    Verdict result;
    QString signer;
    QString trustedComment;
    ChecksumList list;
    QByteArray listDigest;
    QString unreadableFile;
};

#endif
