#ifndef WRITEGUARD_H
#define WRITEGUARD_H

#include <QString>

#include "catalogue/OperatorText.h"
#include "host/StopRequest.h"

#include <functional>
#include <memory>

class QSocketNotifier;

// Ctrl-C, Ctrl-\, SIGTERM and SIGHUP (a closed terminal, a logout) while
// firmware is written would end the program with the instrument half
// programmed. While a guard lives they are asked of its StopRequest
// instead (a lock-free atomic and a self-pipe: all a signal handler may
// touch), and the first is announced through the guard's callback on the
// thread that made it; the stop's readers decide what it ends. Ctrl-Z (SIGTSTP) would stop
// it in the middle of the write: it is ignored while a guard lives, and the
// first one announced too; SIGTTIN and SIGTTOU are ignored outright, since a
// handler would make every terminal write of a program in the background
// raise them again. Outside a guard they all act at once, as usual. SIGPIPE
// is ignored for good: a reader that went away stops the printing, never a
// write.
class WriteGuard
{
public:
    enum class Notice { Stop, Pause };
    using Announce = std::function<void(Notice notice)>;

    // A stop signal while the guard lives is asked of `stop`, which must
    // outlive the guard. `announce` is told once of the first stop and once
    // of the first Ctrl-Z; at the latest when the guard ends. What it says
    // is the owner's: pauseIgnoredLine() is the usual line.
    explicit WriteGuard(StopRequest& stop, Announce announce = {});
    ~WriteGuard();

    Q_DISABLE_COPY(WriteGuard)

    // Installs the handlers, as every guard does; a program that prints
    // calls it at start, so that a reader that went away never ends it.
    static void install();
    static OperatorText pauseIgnoredLine()
    {
        return OperatorText::tr("Firmware is being written; the updater cannot be paused now. The write goes on.");
    }

private:
    void takeNotices();
    void holdPauses(bool hold);

    Announce announce;
    std::unique_ptr<QSocketNotifier> notifier;
};

#endif
