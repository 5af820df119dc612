#include "workflows/SleepInhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>

namespace {

// The GUI thread waits for the answer, so a login manager that does not
// answer must not freeze the window for long.
constexpr int callTimeoutMs = 2000;

} // namespace

SleepInhibitor::SleepInhibitor()
    : lock(acquire())
{
}

// Closing the last copy of the descriptor is what releases the lock.
SleepInhibitor::~SleepInhibitor() = default;

bool SleepInhibitor::isHeld() const
{
    return lock.isValid();
}

QDBusUnixFileDescriptor SleepInhibitor::acquire()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || !(bus.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing))
        return QDBusUnixFileDescriptor();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("RZ610/RZ870 Firmware Updater")
         << QStringLiteral("Firmware is being written") << QStringLiteral("block");
    const QDBusReply<QDBusUnixFileDescriptor> reply = bus.call(call, QDBus::Block, callTimeoutMs);
    return reply.isValid() ? reply.value() : QDBusUnixFileDescriptor();
}
