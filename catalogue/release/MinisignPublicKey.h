#ifndef MINISIGNPUBLICKEY_H
#define MINISIGNPUBLICKEY_H

#include <QByteArray>
#include <QString>

#include <optional>

// An Ed25519 public key in minisign's .pub format: an untrusted comment
// line, then the base64 of "Ed", the key's 8-byte ID and the 32-byte key.
class MinisignPublicKey
{
public:
    // None unless the text is exactly such a file.
    static std::optional<MinisignPublicKey> parse(const QByteArray& text);

    static const char* algorithm() { return "Ed"; }

    // As minisign prints a key ID, zero-padded: 16 uppercase hex digits.
    static QString idText(quint64 keyId);

    quint64 keyId() const { return id; }
    const QByteArray& key() const { return bytes; }

private:
    MinisignPublicKey(quint64 keyId, const QByteArray& key);

    quint64 id;
    QByteArray bytes;
};

#endif
