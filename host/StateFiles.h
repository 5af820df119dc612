#ifndef STATEFILES_H
#define STATEFILES_H

#include "catalogue/PlantedFile.h"
#include "host/FileDescriptor.h"

#include <QByteArray>
#include "catalogue/OperatorText.h"

#include <QString>
#include <QStringList>

// The files of one folder of the state folder, reached through the open
// folder and never through a path: any member of the group can plant a
// link, a pipe or a huge file under a name the updater uses, and the updater
// may run as root. A file is read only once it is known to be a regular file
// of sane size, written only by renaming a new file of its own into place,
// and given its modes on the open descriptor.
class StateFiles
{
public:
    using Found = PlantedFile::Found;

    // `base` (the state folder, or the account's own), or the folder
    // `subfolder` directly in it, which is never reached through a link.
    // Made open to owner and group only (2770) when `create` and missing.
    StateFiles(const QString& base, const QString& subfolder, bool create);

    bool isOpen() const { return folder.isOpen(); }
    // Why the folder could not be opened or made.
    const OperatorText& errorString() const { return error; }
    QString pathOf(const QString& name) const;

    // The file's contents, when it is a regular file of at most `longest`
    // bytes; else None when there is no such name, or Unusable with the
    // reason, which names the file and what it is.
    Found read(const QString& name, qint64 longest, QByteArray* contents, OperatorText* reason) const;
    // Puts `contents` in place of whatever has the name, through a new file
    // renamed over it; the folder is synced afterwards, so the new file
    // outlives a power cut. False, with the reason, when it could not be done.
    bool replace(const QString& name, const QByteArray& contents, OperatorText* reason) const;
    // A new file under the name, for writing (0660); not open when the name
    // is taken or the file cannot be made, with errno in `error`.
    FileDescriptor create(const QString& name, int* error) const;
    // The regular file of that name, for reading, opened without following a
    // link or waiting on a pipe, and looked at before that: opening a device
    // can itself do something. Made (0660) when `create` and missing. Not
    // open when nothing has the name (`reason` empty), or when it is no
    // regular file or cannot be opened (`reason` says so: "... is a named
    // pipe, not a file.").
    FileDescriptor openRegular(const QString& name, bool create, OperatorText* reason) const;
    // Empty when nothing or a regular file has the name, else the reason, as
    // openRegular() gives it.
    OperatorText whyNotRegular(const QString& name) const;
    // Renames the file to `name`.broken-<UTC time>, or with -2, -3... after
    // it when that is taken, never over another file: kept for a person to
    // read. The name it was kept as; empty when it could not be moved.
    QString setAside(const QString& name) const;
    // Renames `from` to `to` unless `to` is taken.
    bool renameUnlessTaken(const QString& from, const QString& to) const;
    // The names in the folder, whatever they are.
    QStringList names() const;
    // True once no file has the name; a link is removed, never its target.
    bool remove(const QString& name) const;
    // When the regular file of that name was last written, in nanoseconds
    // since the epoch; -1 when no regular file has the name.
    qint64 lastWritten(const QString& name) const;
    // Removes the regular file of that name unless another holds a lock
    // (flock) on it, as a running updater does on the log it writes. False
    // when it was left.
    bool removeUnlessLocked(const QString& name) const;

    // A file opened elsewhere in the state folder, checked the same way:
    // empty when it is a regular file of at most `longest` bytes, else the
    // reason naming `path`.
    static OperatorText whyUnusable(int descriptor, const QString& path, qint64 longest);

private:
    bool open(const QString& base, const QString& subfolder, bool create);

    QString location;
    FileDescriptor folder;
    OperatorText error;
};

#endif
