#include "host/StopRequest.h"

bool StopRequest::ask(int signalNumber) noexcept
{
    int seen = word.load();
    do {
        if (seen & signalBits)
            return false;
    } while (!word.compare_exchange_weak(seen, seen | (signalNumber & signalBits)));
    return true;
}

void StopRequest::beginWrite() noexcept
{
    word.fetch_and(~erasingBit);
}

bool StopRequest::beginErasing() noexcept
{
    int seen = word.load();
    do {
        if (seen & erasingBit)
            return true;
        if (seen & signalBits)
            return false;
    } while (!word.compare_exchange_weak(seen, seen | erasingBit));
    return true;
}

bool StopRequest::endsAtOnce() const noexcept
{
    const int seen = word.load();
    return (seen & signalBits) && !(seen & erasingBit);
}

bool StopRequest::waitsForWrite() const noexcept
{
    const int seen = word.load();
    return (seen & signalBits) && (seen & erasingBit);
}
