#ifndef IMAGEFINGERPRINT_H
#define IMAGEFINGERPRINT_H

#include <QJsonObject>

// An image file as a recording of the device library's calls names it: the
// path as the library was given it, the size and the SHA-256 of the bytes
// found there, never the bytes themselves. Both the door that records and
// the simulated library that replays describe an image this way, so that
// the two compare.
class ImageFingerprint
{
public:
    // {"name", "size", "sha256"}; without size and digest when nothing
    // readable is there; null text gives a null name.
    static QJsonObject of(const char* path);
};

#endif
