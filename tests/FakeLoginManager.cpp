// A login manager that answers Inhibit on the bus named by its first argument,
// after the delay in milliseconds its second argument gives. It prints
// "asked WHAT|WHO|WHY|MODE" when asked, "answered" once the lock's descriptor
// is sent, and "released" once every copy of it has been closed.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QTimer>

#include <cstdio>
#include <poll.h>
#include <unistd.h>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

} // namespace

class LoginManager : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    explicit LoginManager(int delayMs) : delayMs(delayMs) {}

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why, const QString& mode)
    {
        say(QStringLiteral("asked ") + QStringList{what, who, why, mode}.join('|'));
        setDelayedReply(true);
        const QDBusMessage call = message();
        QTimer::singleShot(delayMs, this, [this, call] { answer(call); });
        return QDBusUnixFileDescriptor();
    }

private:
    void answer(const QDBusMessage& call)
    {
        int ends[2];
        if (::pipe(ends) != 0)
            qFatal("pipe failed");
        {
            QDBusMessage reply = call.createReply(QVariant::fromValue(QDBusUnixFileDescriptor(ends[0])));
            ::close(ends[0]);
            QDBusConnection(QStringLiteral("bus")).send(reply);
        }
        say(QStringLiteral("answered"));
        watchUntilReleased(ends[1]);
    }

    // The write end reports an error once no read end is left open.
    void watchUntilReleased(int writeEnd)
    {
        auto* watcher = new QTimer(this);
        connect(watcher, &QTimer::timeout, this, [watcher, writeEnd] {
            pollfd end{writeEnd, POLLOUT, 0};
            if (::poll(&end, 1, 0) == 1 && (end.revents & POLLERR)) {
                say(QStringLiteral("released"));
                watcher->stop();
            }
        });
        watcher->start(20);
    }

    const int delayMs;
};

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3)
        return 2;
    QDBusConnection bus = QDBusConnection::connectToBus(QString::fromLocal8Bit(argv[1]), QStringLiteral("bus"));
    LoginManager manager(QByteArray(argv[2]).toInt());
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/login1"), &manager, QDBusConnection::ExportAllSlots)
        || !bus.registerService(QStringLiteral("org.freedesktop.login1")))
        return 1;
    say(QStringLiteral("ready"));
    return QCoreApplication::exec();
}

#include "FakeLoginManager.moc"
