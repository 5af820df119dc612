#ifndef UPDATERLOCK_H
#define UPDATERLOCK_H

#include <QLockFile>
#include <QString>

// One updater at a time: two on one instrument would interleave erases and
// writes. Held for the whole run, in the user's runtime folder; a lock left
// by a process that no longer runs is taken over.
class UpdaterLock
{
public:
    UpdaterLock();

    // False when another updater holds it.
    bool acquire();

    static QString heldElsewhereLine() { return QStringLiteral("Another firmware updater is already running."); }

private:
    QLockFile file;
};

#endif
