#ifndef LOCALPATH_H
#define LOCALPATH_H

#include <QString>

// A path on this machine's file system, as an environment variable or an
// option names it. Qt takes a path that begins with ':' for a resource built
// into the program; no file an operator names is one, so these never do.
class LocalPath
{
public:
    // Begins with '/'.
    static bool isAbsolute(const QString& path);
    // Clean and absolute; a relative path is taken from the working folder.
    static QString absolute(const QString& path);
};

#endif
