#ifndef LOCALPATH_H
#define LOCALPATH_H

#include "catalogue/OperatorText.h"

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
    // Empty for a relative path while the working folder has no path (it
    // was removed): taken from nowhere, it would name a file at the root.
    static QString absolute(const QString& path);
    // The line that refuses the path `variable` names, when it cannot be
    // made absolute; null when it can, or the variable is unset.
    static OperatorText problemOf(const char* variable);
};

#endif
