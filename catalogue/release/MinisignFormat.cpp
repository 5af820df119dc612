#include "catalogue/release/MinisignFormat.h"

#include <QtEndian>

#include <sodium.h>

namespace {

// Far above the longest trusted comment minisign writes (8 KiB).
constexpr int longestFile = 64 * 1024;

} // namespace

std::optional<QList<QByteArray>> MinisignFormat::lines(const QByteArray& text, int count)
{
    if (text.size() > longestFile || text.contains('\0'))
        return std::nullopt;
    QList<QByteArray> found = text.split('\n');
    for (QByteArray& line : found) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    // Blank lines at the end, as editors and mail leave them, are no lines.
    while (!found.isEmpty() && found.last().isEmpty())
        found.removeLast();
    if (found.size() != count)
        return std::nullopt;
    return found;
}

std::optional<QByteArray> MinisignFormat::decode(const QByteArray& base64, int size)
{
    QByteArray bytes(size, '\0');
    size_t decoded = 0;
    // Without an end pointer, anything after the padding is an error.
    if (sodium_base642bin(reinterpret_cast<unsigned char*>(bytes.data()), size_t(size), base64.constData(),
                          size_t(base64.size()), nullptr, &decoded, nullptr, sodium_base64_VARIANT_ORIGINAL)
            != 0
        || decoded != size_t(size))
        return std::nullopt;
    return bytes;
}

quint64 MinisignFormat::keyIdAt(const char* bytes)
{
    return qFromLittleEndian<quint64>(bytes);
}

QByteArray MinisignFormat::keyIdBytes(quint64 keyId)
{
    QByteArray bytes(keyIdSize, '\0');
    qToLittleEndian(keyId, bytes.data());
    return bytes;
}
