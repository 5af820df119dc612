// A public key file in a trusted-keys folder, as its writer can shape it.
// Invariant: parsing never crashes or hangs; a key it accepts is 32 bytes
// with an ID printed as 16 uppercase hex digits.

#include "catalogue/release/MinisignPublicKey.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<MinisignPublicKey> key =
        MinisignPublicKey::parse(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    if (!key)
        return 0;
    const QString id = MinisignPublicKey::idText(key->keyId());
    if (key->key().size() != 32 || id.size() != 16 || id.toUpper() != id)
        std::abort();
    return 0;
}
