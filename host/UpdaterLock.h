#ifndef UPDATERLOCK_H
#define UPDATERLOCK_H

#include <QString>

// One updater per machine, whatever the account: two on one instrument
// would interleave erases and writes. A kernel lock (flock) on a file every
// account may open, /run/lock/rz-firmware-updater.lock, or updater.lock in
// $RZ_STATE_DIR when that is set; held for the whole run. The kernel frees
// it when the holder ends, however it ends, so no lock is ever stale.
class UpdaterLock
{
public:
    UpdaterLock();
    ~UpdaterLock();

    Q_DISABLE_COPY(UpdaterLock)

    // False when the lock is not had: errorLine() says why.
    bool acquire();
    QString errorLine() const { return error; }

    static QString path();
    static QString heldElsewhereLine() { return QStringLiteral("Another firmware updater is already running."); }

private:
    int openLockFile();

    int descriptor = -1;
    QString error;
};

#endif
