#ifndef IMAGECHECK_H
#define IMAGECHECK_H

#include "catalogue/SignedRelease.h"
#include "workflows/VerifiedImages.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What every image must pass before the device library is handed it: the
// release in ./firmware is signed by a trusted key, and the image is there,
// not empty, and the one the signed list names. The images that pass are
// copied as they were hashed, and only the copies are written (see
// VerifiedImages). Runs on the worker's thread, since hashing an FPGA image
// takes a moment.
class ImageCheck
{
public:
    using LineSink = std::function<void(const QString&)>;

    explicit ImageCheck(LineSink emitLine);

    // Verifies the release's signature; when it does not hold, emits the
    // line that refuses the release and answers false.
    bool releaseIsTrusted();
    // The release is verified again, then every image, each read once and
    // copied: one line per image that fails. Whether all passed.
    bool passes(const std::vector<std::string>& imagePaths);

    // Who signed the release, once releaseIsTrusted() or passes() said so.
    const std::optional<SignedRelease>& release() const { return verified; }
    // The copies of the images passes() verified; null before.
    const VerifiedImages* images() const { return copies.get(); }
    // One line for each key file in a trusted folder that could not be used,
    // as the last releaseIsTrusted() found them.
    const QStringList& unusableKeyLines() const { return keyLines; }

private:
    bool matches(const QString& path, const QByteArray& digest) const;

    LineSink emitLine;
    std::optional<SignedRelease> verified;
    std::unique_ptr<VerifiedImages> copies;
    QStringList keyLines;
};

#endif
