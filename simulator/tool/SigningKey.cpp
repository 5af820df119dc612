#include "simulator/tool/SigningKey.h"

#include "catalogue/release/MinisignFormat.h"
#include "catalogue/release/MinisignPublicKey.h"
#include "catalogue/release/MinisignSignature.h"

#include <QDir>
#include <QFile>

#include <sodium.h>

namespace {

const char secretFileHeading[] = "rzsim secret key: signs simulated firmware only";

bool writeNewFile(const QString& path, const QByteArray& contents, QFileDevice::Permissions permissions,
                  QString* reason)
{
    QFile file(path);
    // Permissions are set before the key is written, so it is never readable by others.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || !file.setPermissions(permissions)
        || file.write(contents) != contents.size() || !file.flush()) {
        *reason = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

const unsigned char* bytes(const QByteArray& data)
{
    return reinterpret_cast<const unsigned char*>(data.constData());
}

} // namespace

SigningKey::SigningKey(quint64 keyId, const QByteArray& secretKey)
    : keyId(keyId), secretKey(secretKey)
{
}

std::optional<SigningKey> SigningKey::generate(QString* reason)
{
    if (sodium_init() < 0) {
        *reason = QStringLiteral("the crypto library does not start");
        return std::nullopt;
    }
    QByteArray publicKey(crypto_sign_PUBLICKEYBYTES, '\0');
    QByteArray secret(crypto_sign_SECRETKEYBYTES, '\0');
    crypto_sign_keypair(reinterpret_cast<unsigned char*>(publicKey.data()),
                        reinterpret_cast<unsigned char*>(secret.data()));
    quint64 keyId = 0;
    randombytes_buf(&keyId, sizeof keyId);
    return SigningKey(keyId, secret);
}

std::optional<SigningKey> SigningKey::load(const QString& path, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = QStringLiteral("cannot read the signing key %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const std::optional<QList<QByteArray>> lines = MinisignFormat::lines(file.read(64 * 1024), 2);
    const std::optional<QByteArray> fields =
        lines && lines->at(0) == secretFileHeading
            ? MinisignFormat::decode(lines->at(1), MinisignFormat::keyIdSize + crypto_sign_SECRETKEYBYTES)
            : std::nullopt;
    if (!fields || sodium_init() < 0) {
        *reason = QStringLiteral("%1 is not a signing key made by rzsim keygen").arg(path);
        return std::nullopt;
    }
    return SigningKey(MinisignFormat::keyIdAt(fields->constData()), fields->mid(MinisignFormat::keyIdSize));
}

bool SigningKey::save(const QString& folder, QString* reason) const
{
    if (!QDir().mkpath(folder)) {
        *reason = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    const QByteArray secretFile = QByteArray(secretFileHeading) + '\n'
                                  + (MinisignFormat::keyIdBytes(keyId) + secretKey).toBase64() + '\n';
    const QDir dir(folder);
    for (const QString& name : {secretFileName(), publicFileName()}) {
        if (dir.exists(name)) {
            *reason = QStringLiteral("%1 exists: a key is never replaced").arg(dir.filePath(name));
            return false;
        }
    }
    if (!writeNewFile(dir.filePath(secretFileName()), secretFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner,
                      reason))
        return false;
    if (writeNewFile(dir.filePath(publicFileName()), publicKeyFile(),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther,
                     reason))
        return true;
    // A secret key without its public half would block every later keygen.
    QFile::remove(dir.filePath(secretFileName()));
    return false;
}

QByteArray SigningKey::publicKeyFile() const
{
    const QByteArray publicKey = secretKey.right(crypto_sign_PUBLICKEYBYTES);
    return QByteArray(MinisignFormat::untrustedCommentPrefix()) + "minisign public key "
           + QByteArray::number(keyId, 16).toUpper() + '\n'
           + (MinisignPublicKey::algorithm() + MinisignFormat::keyIdBytes(keyId) + publicKey).toBase64() + '\n';
}

QByteArray SigningKey::signatureFile(const QByteArray& message, const QByteArray& trustedComment) const
{
    const QByteArray signature = sign(MinisignSignature::prehash(message));
    return QByteArray(MinisignFormat::untrustedCommentPrefix()) + "signature from rzsim secret key\n"
           + (MinisignSignature::prehashedAlgorithm() + MinisignFormat::keyIdBytes(keyId) + signature).toBase64()
           + '\n' + MinisignFormat::trustedCommentPrefix() + trustedComment + '\n'
           + sign(signature + trustedComment).toBase64() + '\n';
}

QByteArray SigningKey::sign(const QByteArray& message) const
{
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr, bytes(message),
                         quint64(message.size()), bytes(secretKey));
    return signature;
}
