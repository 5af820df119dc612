#include "fuzz/FuzzInput.h"

#include <cstring>

QByteArray FuzzInput::bytes(int count)
{
    count = int(qMin<ptrdiff_t>(count, end - at));
    at += count;
    return QByteArray(reinterpret_cast<const char*>(at - count), count);
}

qint64 FuzzInput::number(int size)
{
    qint64 value = 0;
    const QByteArray given = bytes(qMin(size, 8));
    std::memcpy(&value, given.constData(), size_t(given.size()));
    return value;
}
