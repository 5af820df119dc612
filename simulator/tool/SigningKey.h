#ifndef SIGNINGKEY_H
#define SIGNINGKEY_H

#include <QByteArray>
#include <QString>

#include <optional>

// An Ed25519 key pair that signs demo releases as the maker's release
// engineer signs real ones with minisign: the public half is a minisign
// .pub file and the signatures are minisign's prehashed form, so the
// updater and minisign both check them. The secret half is kept in a file
// of rzsim's own, unencrypted: it only ever signs simulated firmware.
class SigningKey
{
public:
    static QString secretFileName() { return QStringLiteral("rzsim.key"); }
    static QString publicFileName() { return QStringLiteral("rzsim.pub"); }

    // None, with the reason, when the crypto library cannot start.
    static std::optional<SigningKey> generate(QString* reason);
    // None, with the reason, unless the file is a secret key written by save().
    static std::optional<SigningKey> load(const QString& path, QString* reason);

    // FOLDER/rzsim.key (readable by its owner only) and FOLDER/rzsim.pub;
    // never over existing ones, which may be trusted already.
    bool save(const QString& folder, QString* reason) const;

    QByteArray publicKeyFile() const;
    // The .minisig file of the message, with the given trusted comment.
    QByteArray signatureFile(const QByteArray& message, const QByteArray& trustedComment) const;

private:
    SigningKey(quint64 keyId, const QByteArray& secretKey);

    QByteArray sign(const QByteArray& message) const;

    quint64 keyId;
    QByteArray secretKey; // libsodium's: the seed, then the public key
};

#endif
