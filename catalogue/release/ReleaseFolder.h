#ifndef RELEASEFOLDER_H
#define RELEASEFOLDER_H

#include <QString>
#include <QStringList>

// The folder this release's images are read from. ./firmware comes first,
// as operators know it; where the working folder has none, the release
// installed with the updater (firmware/ in installedDataFolder()). Only
// where the images are read changes: the device library is handed the
// catalogue's names (./firmware/NAME) of the verified copies either way.
//
// A folder the operator named (--firmware) is the one release looked at:
// it is not searched for, and where it is no folder there is no release.
//
// In the build tree the installed folder is the build folder's
// share/rz-firmware-updater/firmware, which the build never makes: a test
// or a bench started there uses the ./firmware it made, or none at all.
class ReleaseFolder
{
public:
    // Looked up anew each time: a ./firmware made meanwhile counts. An
    // empty `named` searches; any other is the absolute path of the folder
    // the operator named.
    static ReleaseFolder find(const QString& named = QString());
    static QString installedPath();

    bool isFound() const { return !folder.isEmpty(); }
    bool isInstalled() const { return installed; }
    // "./firmware", or the installed or named release's absolute path, as
    // lines name it.
    const QString& path() const { return folder; }
    // Where the image the catalogue names ./firmware/NAME is read from.
    QString imagePath(const QString& catalogueName) const;
    // The folders searched, each by its absolute path.
    static QStringList searched();

private:
    QString folder;
    bool installed = false;
};

#endif
