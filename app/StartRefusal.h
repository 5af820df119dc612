#ifndef STARTREFUSAL_H
#define STARTREFUSAL_H

#include <QCoreApplication>

class UpdaterLock;
class QWidget;

// The window's word when the updater lock is not had, in a dialog of its
// own: for an account outside the lock's group, what to ask for and that a
// new login is needed; else why the updater cannot start.
class StartRefusal
{
    Q_DECLARE_TR_FUNCTIONS(StartRefusal)

public:
    static void show(const UpdaterLock& lock, const QString& title);
};

#endif
