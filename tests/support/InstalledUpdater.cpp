#include "tests/support/InstalledUpdater.h"

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
}

const InstalledUpdater& InstalledUpdater::get()
{
    static const InstalledUpdater installed;
    return installed;
}
