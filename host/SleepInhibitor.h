#ifndef SLEEPINHIBITOR_H
#define SLEEPINHIBITOR_H

#include <QDBusPendingCall>

#include <optional>

// Keeps the computer from shutting down, rebooting, suspending or idling
// while it lives: a "block" inhibitor lock from the login manager, held as
// the file descriptor its answer carries. The request does not wait for the
// answer, so a slow login manager never freezes the window. Without a system
// bus or login manager it holds nothing and says nothing.
class SleepInhibitor
{
public:
    SleepInhibitor();
    ~SleepInhibitor();

    Q_DISABLE_COPY(SleepInhibitor)

    // True once the login manager has answered with a lock.
    bool isHeld() const;

private:
    static std::optional<QDBusPendingCall> request();

    // The answer, and with it the lock's descriptor, lives as long as this.
    std::optional<QDBusPendingCall> pending;
};

#endif
