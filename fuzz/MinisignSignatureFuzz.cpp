// A release's signature and the list it signs, as anyone with the release
// folder's write access can shape them. The input is the signature file, a
// NUL byte, then the list. Invariant: parsing never crashes or hangs, and a
// signature holds for no list but the one the key signed, with no trusted
// comment but the ones it signed: the throw-away key below signed exactly
// that list, once prehashed and once in the legacy form (the seeds).

#include "catalogue/release/MinisignPublicKey.h"
#include "catalogue/release/MinisignSignature.h"

#include <sodium.h>

#include <cstdint>
#include <cstdlib>

namespace {

const char publicKeyFile[] =
    "untrusted comment: minisign public key BA3A54DBC6E4A2E0\n"
    "RWTgouTG21Q6uojyRALDro4h6IAqgfyR489beCtRfbIq9SjRYAVeY8or\n";
const char signedList[] =
    "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa  RZ610R-Cypress-Boot-v4.img\n"
    "0000000000000000000000000000000000000000000000000000000000000000  RZ610R-FPGA-v10.rbf\n";

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return sodium_init() < 0 ? 1 : 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const MinisignPublicKey key = *MinisignPublicKey::parse(publicKeyFile);
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    const int split = input.indexOf('\0');
    const QByteArray signatureText = split < 0 ? input : input.left(split);
    const QByteArray list = split < 0 ? QByteArray() : input.mid(split + 1);
    const std::optional<MinisignSignature> signature = MinisignSignature::parse(signatureText);
    if (!signature || !signature->holdsFor(list, key))
        return 0;
    const QByteArray comment = signature->trustedComment();
    if (list != signedList || (comment != "fuzz seed release" && comment != "fuzz seed release, legacy"))
        std::abort();
    return 0;
}
