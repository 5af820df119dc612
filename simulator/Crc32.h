#ifndef CRC32_H
#define CRC32_H

#include <QByteArray>

// The common CRC-32 (reflected polynomial 0xEDB88320, as in zip and PNG);
// Qt offers only CRC-16.
class Crc32
{
public:
    static quint32 checksum(const QByteArray& data);
};

#endif
