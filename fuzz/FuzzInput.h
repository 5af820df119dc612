#ifndef FUZZINPUT_H
#define FUZZINPUT_H

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// A fuzzer's input taken piece by piece; past its end each piece is what
// is left of it: nothing, or zero.
class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, size_t size) : at(data), end(data + size) {}

    bool atEnd() const { return at == end; }
    int byte() { return at < end ? *at++ : 0; }
    QByteArray bytes(int count);
    // A length byte, then that many bytes.
    QByteArray counted() { return bytes(byte()); }
    // The next `size` bytes (8 at most) as an integer, in the machine's order.
    qint64 number(int size);

private:
    const uint8_t* at;
    const uint8_t* const end;
};

#endif
