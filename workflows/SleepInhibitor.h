#ifndef SLEEPINHIBITOR_H
#define SLEEPINHIBITOR_H

#include <QDBusUnixFileDescriptor>

// Keeps the computer from suspending or idling while it lives: a "block"
// inhibitor lock from the login manager, held as the file descriptor it
// hands out. Without a system bus or login manager it holds nothing and
// says nothing, so the caller goes on as before.
class SleepInhibitor
{
public:
    SleepInhibitor();
    ~SleepInhibitor();

    SleepInhibitor(const SleepInhibitor&) = delete;
    SleepInhibitor& operator=(const SleepInhibitor&) = delete;

    bool isHeld() const;

private:
    static QDBusUnixFileDescriptor acquire();

    QDBusUnixFileDescriptor lock;
};

#endif
