#ifndef UPDATERLOCK_H
#define UPDATERLOCK_H

#include "host/FileDescriptor.h"
#include "host/GroupRefusal.h"

#include "catalogue/OperatorText.h"
#include <QString>

#include <optional>

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
//
// The holder writes its process number and account into the file, so that
// the updater it refuses can say who runs; the file is emptied again when
// the lock is let go. Whoever only needs to know whether an updater runs
// (`history`) asks heldByAnother(), which takes nothing and writes nothing.
class UpdaterLock
{
public:
    UpdaterLock();
    ~UpdaterLock();

    Q_DISABLE_COPY(UpdaterLock)

    // False when the lock is not had: errorLine() says why. Never waits.
    bool acquire();
    const OperatorText& errorLine() const { return error; }
    // Set when the lock file was refused to an account outside its group.
    const std::optional<GroupRefusal>& groupRefusal() const { return refusal; }

    // Absolute and clean; empty when RZ_LOCK_FILE names a relative path
    // and the working folder no longer exists (pathProblem()).
    static QString path();
    // The line that refuses RZ_LOCK_FILE; null when it is usable.
    static OperatorText pathProblem();
    // Whether an updater holds the lock now, found with
    // the file opened read-only, nothing taken, written or made; true when
    // that cannot be told (a file that is no regular one, or unreadable).
    static bool heldByAnother();

private:
    FileDescriptor openLockFile();
    FileDescriptor openExisting(const QByteArray& file);
    void fail(const OperatorText& reason);
    void showHeld() const;
    void writeHolder() const;
    OperatorText heldElsewhereLine() const;

    FileDescriptor descriptor;
    bool writable = false;
    bool held = false;
    OperatorText error;
    std::optional<GroupRefusal> refusal;
};

#endif
