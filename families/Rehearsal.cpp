#include "families/Rehearsal.h"

#include "device/rzsim_extension.h"

#include <QFile>

#include <dlfcn.h>

namespace {

// Looked up by name among the libraries the program loaded: an extension a
// library lacks must not stop the program from loading it.
QString askLibrary()
{
    const auto source = reinterpret_cast<RzsimReplaySourceCall>(::dlsym(RTLD_DEFAULT, RZSIM_REPLAY_SOURCE));
    const char* const path = source ? source() : nullptr;
    return path && *path ? QFile::decodeName(path) : QString();
}

} // namespace

QString Rehearsal::recording()
{
    static const QString replayed = askLibrary();
    return replayed;
}
