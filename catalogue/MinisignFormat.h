#ifndef MINISIGNFORMAT_H
#define MINISIGNFORMAT_H

#include <QByteArray>
#include <QList>

#include <optional>

// The text layout shared by minisign's public key and signature files:
// whole lines, comments behind fixed prefixes, binary fields in base64, key
// IDs as eight little-endian bytes. Strict, since the files come from
// wherever the firmware folder came from.
class MinisignFormat
{
public:
    static constexpr int algorithmSize = 2;
    static constexpr int keyIdSize = 8;
    static constexpr int publicKeySize = 32;
    static constexpr int signatureSize = 64;

    static const char* untrustedCommentPrefix() { return "untrusted comment: "; }
    static const char* trustedCommentPrefix() { return "trusted comment: "; }

    // Exactly `count` lines, each ended by a newline (the last one may lack
    // it; a carriage return before it is dropped). None for anything else,
    // a NUL byte or a text too long for such a file included.
    static std::optional<QList<QByteArray>> lines(const QByteArray& text, int count);

    // The bytes a strict, padded base64 line holds, when they are exactly
    // `size` many.
    static std::optional<QByteArray> decode(const QByteArray& base64, int size);

    // The key ID stored at `bytes` (eight of them, little-endian).
    static quint64 keyIdAt(const char* bytes);
    static QByteArray keyIdBytes(quint64 keyId);
};

#endif
