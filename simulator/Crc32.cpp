#include "simulator/Crc32.h"

#include <array>

namespace {

using Table = std::array<quint32, 256>;

Table makeTable()
{
    Table table{};
    for (quint32 index = 0; index < table.size(); ++index) {
        quint32 value = index;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1u) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        table[index] = value;
    }
    return table;
}

} // namespace

quint32 Crc32::checksum(const QByteArray& data)
{
    static const Table table = makeTable();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data)
        crc = table[(crc ^ static_cast<quint8>(byte)) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}
