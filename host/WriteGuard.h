#ifndef WRITEGUARD_H
#define WRITEGUARD_H

#include <QString>

#include <functional>
#include <memory>

class QSocketNotifier;

// Ctrl-C, SIGTERM, SIGHUP (a closed terminal, a logout) and SIGQUIT while firmware is
// written would end the program with the instrument half programmed. While a
// guard lives they are recorded instead, and the first is announced through
// the guard's callback on the thread that made it; the program acts on them
// when the write is over. Outside a guard they stop the program at once, as
// usual. SIGPIPE is ignored for good: a reader that went away stops the
// printing, never a write.
class WriteGuard
{
public:
    // `announce` is called once, for the first stop asked for while the
    // guard lives, at the latest when the guard ends.
    explicit WriteGuard(std::function<void()> announce = {});
    ~WriteGuard();

    Q_DISABLE_COPY(WriteGuard)

    // Installs the handlers, as every guard does; a program that prints
    // calls it at start, so that a reader that went away never ends it.
    static void install();
    // Whether a stop was asked for while a guard lived.
    static bool stopRequested();
    // How a shell tells that the first of those signals ended the program:
    // 128 + its number (130 for Ctrl-C, 143 for SIGTERM).
    static int stopExitCode();

    static QString noticeLine()
    {
        return QStringLiteral("Firmware is being written; stopping now could leave the instrument unusable. "
                              "The updater will stop when this step ends.");
    }

private:
    void takeNotice();

    std::function<void()> announce;
    std::unique_ptr<QSocketNotifier> notifier;
};

#endif
