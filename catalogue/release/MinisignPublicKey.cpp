#include "catalogue/release/MinisignPublicKey.h"

#include "catalogue/release/MinisignFormat.h"

MinisignPublicKey::MinisignPublicKey(quint64 keyId, const QByteArray& key)
    : id(keyId), bytes(key)
{
}

std::optional<MinisignPublicKey> MinisignPublicKey::parse(const QByteArray& text)
{
    using Format = MinisignFormat;
    const std::optional<QList<QByteArray>> lines = Format::lines(text, 2);
    if (!lines || !lines->at(0).startsWith(Format::untrustedCommentPrefix()))
        return std::nullopt;
    const std::optional<QByteArray> fields =
        Format::decode(lines->at(1), Format::algorithmSize + Format::keyIdSize + Format::publicKeySize);
    if (!fields || !fields->startsWith(algorithm()))
        return std::nullopt;
    return MinisignPublicKey(Format::keyIdAt(fields->constData() + Format::algorithmSize),
                             fields->right(Format::publicKeySize));
}

QString MinisignPublicKey::idText(quint64 keyId)
{
    return QStringLiteral("%1").arg(keyId, 16, 16, QLatin1Char('0')).toUpper();
}
