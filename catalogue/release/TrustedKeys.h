#ifndef TRUSTEDKEYS_H
#define TRUSTEDKEYS_H

#include "catalogue/release/MinisignPublicKey.h"

#include "catalogue/OperatorText.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The keys a release may be signed with: every minisign public key file
// (*.pub) in the key folders, less the revoked ones. A revoked-keys file
// holds one key ID per line as minisign prints them (hex, any case, leading
// zeros optional; '#' starts a comment). A revoked key is never trusted,
// even with its file still in a key folder.
class TrustedKeys
{
public:
    struct Locations
    {
        QStringList keyFolders;
        QStringList revokedFiles;
    };

    // The package's keys (PREFIX/share/rz-firmware-updater, PREFIX being the
    // folder above the program's own) and the site's (/etc/rz-firmware-updater).
    // In the build tree, PREFIX is the build folder, whose keys the build
    // chose.
    static Locations installedLocations();
    // Where installed() looks: installedLocations() unless a Replacement
    // names others.
    static Locations locations();
    // While one lives, installed() looks in a test's locations instead (its
    // firmware is signed with the build's demo key, or a throw-away one);
    // the ones before are back once it goes out of scope, whatever way the
    // test left. The program itself never makes one.
    class Replacement
    {
    public:
        explicit Replacement(const Locations& locations);
        ~Replacement();
        Replacement(const Replacement&) = delete;
        Replacement& operator=(const Replacement&) = delete;

    private:
        std::optional<Locations> previous;
    };

    static TrustedKeys load(const Locations& locations);
    static TrustedKeys installed() { return load(locations()); }

    // The trusted keys with this ID: none when it is revoked, or when a
    // revoked-keys file could not be read whole.
    QVector<MinisignPublicKey> withId(quint64 keyId) const;
    // Listed in a revoked-keys file.
    bool isRevoked(quint64 keyId) const { return revoked.contains(keyId); }

    // A revoked-keys file that is there but could not be read whole, and
    // why; empty when every one was read. Until it is fixed, no key is
    // trusted: the revocation it may hold must not be missed.
    const OperatorText& unreadableRevocations() const { return unreadable; }
    // Each file in a key folder that holds no usable key: its path and why.
    const OperatorLines& unusableKeys() const { return unusable; }

private:
    void loadKeys(const QString& folder);
    void loadRevocations(const QString& path);

    QVector<MinisignPublicKey> keys;
    QVector<quint64> revoked;
    OperatorText unreadable;
    OperatorLines unusable;
};

#endif
