#include "host/SleepInhibitor.h"

#include "catalogue/Catalogue.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>

SleepInhibitor::SleepInhibitor()
    : pending(request())
{
}

// Dropping the answer closes the last copy of the descriptor, which is what
// releases the lock; an answer still on its way is dropped on arrival.
SleepInhibitor::~SleepInhibitor() = default;

bool SleepInhibitor::isHeld() const
{
    if (!pending)
        return false;
    const QDBusPendingReply<QDBusUnixFileDescriptor> reply(*pending);
    return reply.isFinished() && reply.isValid() && reply.value().isValid();
}

// A power-off from the desktop in the middle of an FPGA write leaves the
// instrument as unusable as a pulled cable, so shutdown is held back too.
std::optional<QDBusPendingCall> SleepInhibitor::request()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || !(bus.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing))
        return std::nullopt;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("shutdown:sleep:idle") << productLine() + QStringLiteral(" Firmware Updater")
         << QStringLiteral("Firmware is being written") << QStringLiteral("block");
    return bus.asyncCall(call);
}
