#ifndef IMAGECHECK_H
#define IMAGECHECK_H

#include <QString>

#include <functional>
#include <string>
#include <vector>

// What every image must pass before the device library is handed it: the
// file is there and not empty, and it is the one this release shipped, by
// the SHA-256 list beside the images. Runs on the worker's thread, since
// hashing an FPGA image takes a moment.
class ImageCheck
{
public:
    using LineSink = std::function<void(const QString&)>;

    explicit ImageCheck(LineSink emitLine);

    // Emits one line per image that fails and answers whether all passed.
    bool passes(const std::vector<std::string>& imagePaths) const;

private:
    bool allPresent(const std::vector<QString>& paths) const;
    bool allMatchTheRelease(const std::vector<QString>& paths) const;

    LineSink emitLine;
};

#endif
