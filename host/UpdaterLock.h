#ifndef UPDATERLOCK_H
#define UPDATERLOCK_H

#include "host/FileDescriptor.h"

#include "catalogue/OperatorText.h"
#include <QString>

// One updater per machine, whatever the account and whatever its state
// folder: the USB family opens instruments without a serial number, so two
// updaters on one machine could reach the same instrument and interleave
// its erases and writes. A kernel lock (flock) on
// /run/lock/rz-firmware-updater.lock, which the package makes at boot
// (root:plugdev, 0660), held for the whole run; $RZ_LOCK_FILE names another
// for tests and benches (a relative name is taken in the working folder,
// which is the one the updater was started in when the lock is taken). The
// kernel frees it when the holder ends, however it ends, so no lock is ever
// stale.
class UpdaterLock
{
public:
    UpdaterLock();
    ~UpdaterLock();

    Q_DISABLE_COPY(UpdaterLock)

    // False when the lock is not had: errorLine() says why. Never waits.
    bool acquire();
    QString errorLine() const { return error; }

    // Absolute and clean.
    static QString path();
    static QString heldElsewhereLine() { return OperatorText::tr("Another firmware updater is already running."); }

private:
    FileDescriptor openLockFile();
    void fail(const QString& reason);

    FileDescriptor descriptor;
    QString error;
};

#endif
