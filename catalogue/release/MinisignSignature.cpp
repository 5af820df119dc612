#include "catalogue/release/MinisignSignature.h"

#include "catalogue/release/MinisignFormat.h"
#include "catalogue/release/MinisignPublicKey.h"

#include <sodium.h>

namespace {

const char legacyAlgorithm[] = "Ed";
constexpr int hashSize = 64; // BLAKE2b-512

bool verifies(const QByteArray& signature, const QByteArray& message, const QByteArray& key)
{
    return crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(signature.constData()),
                                       reinterpret_cast<const unsigned char*>(message.constData()),
                                       quint64(message.size()),
                                       reinterpret_cast<const unsigned char*>(key.constData()))
           == 0;
}

} // namespace

std::optional<MinisignSignature> MinisignSignature::parse(const QByteArray& text)
{
    using Format = MinisignFormat;
    const std::optional<QList<QByteArray>> lines = Format::lines(text, 4);
    if (!lines || !lines->at(0).startsWith(Format::untrustedCommentPrefix())
        || !lines->at(2).startsWith(Format::trustedCommentPrefix()))
        return std::nullopt;
    const std::optional<QByteArray> fields =
        Format::decode(lines->at(1), Format::algorithmSize + Format::keyIdSize + Format::signatureSize);
    const std::optional<QByteArray> global = Format::decode(lines->at(3), Format::signatureSize);
    if (!fields || !global)
        return std::nullopt;
    MinisignSignature parsed;
    const QByteArray algorithm = fields->left(Format::algorithmSize);
    if (algorithm == legacyAlgorithm)
        parsed.prehashed = false;
    else if (algorithm != prehashedAlgorithm())
        return std::nullopt;
    parsed.id = Format::keyIdAt(fields->constData() + Format::algorithmSize);
    parsed.signature = fields->right(Format::signatureSize);
    parsed.comment = lines->at(2).mid(int(qstrlen(Format::trustedCommentPrefix())));
    parsed.globalSignature = *global;
    return parsed;
}

QByteArray MinisignSignature::prehash(const QByteArray& message)
{
    QByteArray hash(hashSize, '\0');
    crypto_generichash(reinterpret_cast<unsigned char*>(hash.data()), hashSize,
                       reinterpret_cast<const unsigned char*>(message.constData()), quint64(message.size()), nullptr,
                       0);
    return hash;
}

bool MinisignSignature::holdsFor(const QByteArray& message, const MinisignPublicKey& key) const
{
    if (key.keyId() != id)
        return false;
    return verifies(signature, prehashed ? prehash(message) : message, key.key())
           && verifies(globalSignature, signature + comment, key.key());
}
