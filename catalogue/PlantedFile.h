#ifndef PLANTEDFILE_H
#define PLANTEDFILE_H

#include <QByteArray>
#include <QString>

#include "catalogue/OperatorText.h"

// A file someone else may have put where the updater reads: the release's
// list and signature, the trusted keys, the files of the state folder. A
// pipe opened for reading waits for a writer, a device can do anything on
// being opened, and a link leads anywhere: such a file is opened without
// following a link and without waiting, and read only once the open file is
// known to be a regular file of sane size.
class PlantedFile
{
public:
    enum class Found { File, None, Unusable };

    // `name` in the open folder `folder`, or the file at the path `name` when
    // `folder` is AT_FDCWD; `path` is how lines name it. None when nothing
    // has the name; Unusable, with the reason, when it is no regular file of
    // at most `longest` bytes or cannot be opened. The reason names the file
    // and what it is, as `notAFile` says (an OperatorText source taking the
    // path and the kind of file; "%1 is %2" unless given).
    static Found read(int folder, const QString& name, const QString& path, qint64 longest, QByteArray* contents,
                      OperatorText* reason, const char* notAFile = nullptr);
    static Found read(const QString& path, qint64 longest, QByteArray* contents, OperatorText* reason,
                      const char* notAFile = nullptr);

    // Empty when the open file is a regular file of at most `longest` bytes,
    // else the reason, as read() gives it.
    static OperatorText whyUnusable(int descriptor, const QString& path, qint64 longest, const char* notAFile = nullptr);

    // What a file of that st_mode is, for such a reason: "a symbolic link",
    // "a named pipe", "a device", "a socket", "a folder".
    static OperatorText kindOf(unsigned mode);
};

#endif
