#ifndef INSTALLEDUPDATER_H
#define INSTALLEDUPDATER_H

#include <QString>
#include <QTemporaryDir>

// The updater installed, as the package would, into a prefix of the test's
// own: it trusts the keys in PREFIX/share/rz-firmware-updater beside its
// bin/, here the build's demo key, whatever keys the build itself trusts
// (a build against the maker's library trusts only the maker's), and reads
// its translations there.
class InstalledUpdater
{
public:
    // One per test program.
    static const InstalledUpdater& get();

    QString program() const { return prefix.filePath("bin/rz-firmware-updater"); }
    QString keyFile() const { return prefix.filePath("share/rz-firmware-updater/keys/rzsim-demo.pub"); }
    QString revokedFile() const { return prefix.filePath("share/rz-firmware-updater/revoked-keys"); }
    // The release installed with it: none unless a test puts one there.
    QString releaseFolder() const { return prefix.filePath("share/rz-firmware-updater/firmware"); }

private:
    InstalledUpdater();

    QTemporaryDir prefix;
};

#endif
