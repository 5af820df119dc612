#ifndef MINISIGNSIGNATURE_H
#define MINISIGNSIGNATURE_H

#include <QByteArray>

#include <optional>

class MinisignPublicKey;

// A detached signature in minisign's .minisig format: an untrusted comment,
// the base64 of the algorithm, the signing key's ID and the Ed25519
// signature, the trusted comment, and the base64 of the global signature
// over that signature and the trusted comment. The algorithm is "ED" for
// the signature of the file's BLAKE2b-512 hash, "Ed" (legacy) for one of
// the file itself.
class MinisignSignature
{
public:
    // None unless the text is exactly such a file.
    static std::optional<MinisignSignature> parse(const QByteArray& text);

    static const char* prehashedAlgorithm() { return "ED"; }
    // What an "ED" signature signs: the message's BLAKE2b-512 hash.
    static QByteArray prehash(const QByteArray& message);

    quint64 keyId() const { return id; }
    const QByteArray& trustedComment() const { return comment; }

    // Whether the key made both signatures, the first over the message. A
    // trusted comment edited after signing breaks the second.
    bool holdsFor(const QByteArray& message, const MinisignPublicKey& key) const;

private:
    MinisignSignature() = default;

    bool prehashed = true;
    quint64 id = 0;
    QByteArray signature;
    QByteArray comment;
    QByteArray globalSignature;
};

#endif
