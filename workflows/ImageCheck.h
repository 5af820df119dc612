#ifndef IMAGECHECK_H
#define IMAGECHECK_H

#include "catalogue/SignedRelease.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// What every image must pass before the device library is handed it: the
// release in ./firmware is signed by a trusted key, and the image is there,
// not empty, and the one the signed list names. Runs on the worker's
// thread, since hashing an FPGA image takes a moment.
class ImageCheck
{
public:
    using LineSink = std::function<void(const QString&)>;

    explicit ImageCheck(LineSink emitLine);

    // Verifies the release's signature; when it does not hold, emits the
    // line that refuses the release and answers false.
    bool releaseIsTrusted();
    // The release is verified again, then every image: one line per image
    // that fails. Whether all passed.
    bool passes(const std::vector<std::string>& imagePaths);
    // The image taken again just before the library reads it, against the
    // list passes() verified: the file may have changed since. Emits the
    // line and answers false when it is no longer the release's.
    bool stillMatches(const std::string& imagePath) const;

    // Who signed the release, once releaseIsTrusted() or passes() said so.
    const std::optional<SignedRelease>& release() const { return verified; }

private:
    bool allPresent(const std::vector<QString>& paths) const;
    bool matches(const QString& path) const;

    LineSink emitLine;
    std::optional<SignedRelease> verified;
};

#endif
