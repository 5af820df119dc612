#ifndef STOPREQUEST_H
#define STOPREQUEST_H

#include <atomic>

// The run's one stop: asked for by a stop signal while a write is guarded,
// read by the flow, the writer and, through the writer, the library's
// waiting caller. Whether a stop ends a write at once or waits for it is
// decided by which came first, the stop or the write's first erase; both
// are kept in one atomic word, so that every reader sees the same order.
// ask() is async-signal-safe: the signal handler calls it.
class StopRequest
{
public:
    // Changes: the first stop keeps its signal's number; true for it.
    bool ask(int signalNumber) noexcept;
    // Changes: a new write begins, nothing of it erased yet.
    void beginWrite() noexcept;
    // Changes: the write's first erase may begin, unless a stop came
    // first (false: nothing may be erased). True again once erasing began.
    bool beginErasing() noexcept;

    // Asks: whether a stop was asked for.
    bool asked() const noexcept { return signalNumber() != 0; }
    // Asks: a stop came before anything of the write was erased, which
    // ends the write at once.
    bool endsAtOnce() const noexcept;
    // Asks: a stop came once erasing began: it waits for the write.
    bool waitsForWrite() const noexcept;
    // How a shell tells that the stop's signal ended the program: 128 + its
    // number (130 for Ctrl-C, 143 for SIGTERM).
    int exitCode() const noexcept { return 128 + signalNumber(); }

private:
    static constexpr int signalBits = 0xff;
    static constexpr int erasingBit = 0x100;
    int signalNumber() const noexcept { return word.load() & signalBits; }

    std::atomic<int> word{0};
    static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch a lock-free atomic");
};

#endif
