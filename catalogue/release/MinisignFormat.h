#ifndef MINISIGNFORMAT_H
#define MINISIGNFORMAT_H

#include <QByteArray>
#include <QList>

#include <optional>

#include <sodium.h>

// The text layout shared by minisign's public key and signature files:
// whole lines, comments behind fixed prefixes, binary fields in base64, key
// IDs as eight little-endian bytes. Strict, since the files come from
// wherever the firmware folder came from.
class MinisignFormat
{
public:
    static constexpr int algorithmSize = 2; // "Ed" or "ED"
    static constexpr int keyIdSize = int(sizeof(quint64));
    static constexpr int publicKeySize = crypto_sign_PUBLICKEYBYTES;
    static constexpr int signatureSize = crypto_sign_BYTES;

    static const char* untrustedCommentPrefix() { return "untrusted comment: "; }
    static const char* trustedCommentPrefix() { return "trusted comment: "; }

    // Exactly `count` lines, each ended by a newline (the last one may lack
    // it; a carriage return before it is dropped), then nothing but blank
    // lines, as minisign reads them. None for anything else, a NUL byte or a
    // text too long for such a file included.
    static std::optional<QList<QByteArray>> lines(const QByteArray& text, int count);

    // The bytes a strict, padded base64 line holds, when they are exactly
    // `size` many.
    static std::optional<QByteArray> decode(const QByteArray& base64, int size);

    // The key ID stored at `bytes` (eight of them, little-endian).
    static quint64 keyIdAt(const char* bytes);
    static QByteArray keyIdBytes(quint64 keyId);
};

#endif
