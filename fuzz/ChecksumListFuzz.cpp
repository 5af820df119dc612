// The release's checksum list, as anyone with the release folder's write
// access can shape it. Invariant: parsing never crashes or hangs, and every
// digest it gives is 64 lowercase hex digits or nothing, for any name.

#include "catalogue/ChecksumList.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool isDigest(const QByteArray& digest)
{
    if (digest.size() != 64)
        return false;
    for (const char c : digest) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), int(size));
    ChecksumList list;
    list.parse(text);
    // Every name a line could give, and one no line gives.
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray digest = list.digestOf(QString::fromUtf8(line.mid(66).trimmed()));
        if (!digest.isEmpty() && !isDigest(digest))
            std::abort();
    }
    if (!list.digestOf(QStringLiteral("\x01never listed")).isEmpty())
        std::abort();
    return 0;
}
