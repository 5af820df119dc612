#ifndef IMAGECHECK_H
#define IMAGECHECK_H

#include "catalogue/OperatorText.h"

#include "catalogue/release/ReleaseFolder.h"
#include "catalogue/release/SignedRelease.h"
#include "workflows/checks/VerifiedImages.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What every image must pass before the device library is handed it: the
// release (see ReleaseFolder) is there and signed by a trusted key, and the
// image is there, not empty, and the one the signed list names. The images
// that pass are copied as they were hashed, and only the copies are written
// (see VerifiedImages). Runs on the worker's thread, since hashing an FPGA
// image takes a moment.
class ImageCheck
{
public:
    using LineSink = std::function<void(const OperatorText&)>;

    // `releaseFolder`: the absolute path of the release the operator named;
    // empty to search for it as ReleaseFolder does.
    explicit ImageCheck(LineSink emitLine, const QString& releaseFolder = QString());

    // Verifies the release's signature; when it does not hold, emits the
    // line that refuses the release and answers false.
    bool releaseIsTrusted();
    // The release is verified again, then every image, each read once and
    // copied: one line per image that fails. Whether all passed.
    bool passes(const std::vector<std::string>& imagePaths);

    // Who signed the release, once releaseIsTrusted() or passes() said so.
    const std::optional<SignedRelease>& release() const { return verified; }
    // The last releaseIsTrusted()'s folder, and its signature's verdict
    // whatever it was (none where no folder was found).
    const ReleaseFolder& folderChecked() const { return folder; }
    const std::optional<SignedRelease>& signatureChecked() const { return checked; }
    // The copies of the images passes() verified; null before.
    const VerifiedImages* images() const { return copies.get(); }
    // What the last releaseIsTrusted() found worth saying whatever its
    // verdict: the installed release's folder when that is the one used,
    // and each key file in a trusted folder that could not be used.
    const OperatorLines& notes() const { return noteLines; }

private:
    // An image as the library will ask for it, where it is read from, and
    // the digest of what was copied.
    struct Image
    {
        QString path;
        QString source;
        QByteArray digest;
    };

public:
    // Why a signature is not trusted, naming its key; empty where the line
    // that refuses the release says it all.
    static OperatorText distrustLine(const SignedRelease& release);

private:
    bool matches(const Image& image) const;

    LineSink emitLine;
    const QString named;
    ReleaseFolder folder;
    std::optional<SignedRelease> verified;
    std::optional<SignedRelease> checked;
    std::unique_ptr<VerifiedImages> copies;
    OperatorLines noteLines;
};

#endif
