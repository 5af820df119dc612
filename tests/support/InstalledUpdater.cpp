#include "tests/support/InstalledUpdater.h"

#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

InstalledUpdater::InstalledUpdater()
{
    QDir(prefix.path()).mkpath("bin");
    QDir(prefix.path()).mkpath("share/rz-firmware-updater/keys");
    if (!QFile::copy(QCoreApplication::applicationDirPath() + "/rz-firmware-updater", program())
        || !QFile::copy(RZ_DEMO_KEY_DIR "/rzsim.pub", keyFile()))
        qFatal("cannot install the updater in %s", qPrintable(prefix.path()));
    // The build's translations, which the updater reads beside its keys.
    const QDir built(Translations::folder());
    QDir(prefix.path()).mkpath("share/rz-firmware-updater/translations");
    for (const QString& name : built.entryList({"*.qm"}, QDir::Files)) {
        if (!QFile::copy(built.filePath(name), prefix.filePath("share/rz-firmware-updater/translations/" + name)))
            qFatal("cannot install %s", qPrintable(name));
    }
}

const InstalledUpdater& InstalledUpdater::get()
{
    static const InstalledUpdater installed;
    return installed;
}
