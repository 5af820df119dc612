#ifndef WRITEGUARD_H
#define WRITEGUARD_H

// Ctrl-C and SIGTERM while firmware is written would stop the program with
// the instrument half programmed. While a guard lives they are recorded and
// announced once instead; the command acts on them when the write is over.
// Outside a guard they stop the program at once, as usual.
class WriteGuard
{
public:
    WriteGuard();
    ~WriteGuard();

    WriteGuard(const WriteGuard&) = delete;
    WriteGuard& operator=(const WriteGuard&) = delete;

    // Installs the handlers; call once, before the first guard.
    static void install();
    // Whether a stop was asked for while a guard lived.
    static bool stopRequested();
};

#endif
