#ifndef VERIFIEDIMAGES_H
#define VERIFIEDIMAGES_H

#include "host/FileDescriptor.h"

#include <QByteArray>
#include <QMap>
#include "catalogue/OperatorText.h"

#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

// Copies of the images that passed the check, where nobody else can change
// them: a folder only this process's account can enter (0700), removed with
// the object, whose firmware/ holds each image under its own name. An image
// is opened once; the bytes hashed are the bytes copied. The device library
// still gets the names it always gets (./firmware/NAME, relative to the
// working folder) while an Inside lives, so a release folder changed after
// the check changes nothing that is written. The folder's name carries the
// process's id, so that a later run can remove one whose process is gone.
class VerifiedImages
{
public:
    enum class Taken { Copied, Missing };

    VerifiedImages();

    Q_DISABLE_COPY(VerifiedImages)

    // False, with the reason, when the folder could not be made.
    bool isValid() const { return folder.isValid() && handle.isOpen(); }
    QString errorString() const { return folder.errorString(); }

    // Copies the image read from `readFrom` as `path` (a name under
    // ./firmware, where the library will look for it) and gives the
    // lowercase hex SHA-256 of what was copied. Missing when `readFrom` is
    // not a readable, non-empty regular file.
    Taken take(const QString& path, const QString& readFrom, QByteArray* sha256Hex);
    // Removes the copy of an image that did not pass.
    void drop(const QString& path);

    // Empty while the copy of `path` (every copy, for an empty path) is the
    // very file that was made and verified; otherwise what is wrong.
    OperatorText problemWith(const QString& path) const;

    // While one lives, the process's working folder is the private folder,
    // so the library reads the copies by the usual names. The working folder
    // is the whole process's: no other thread may use a relative path
    // meanwhile (the GUI thread only relays lines, through open files).
    // Once a call was abandoned the working folder stays there: the call
    // may still open an image by name, and must find the copy or nothing.
    class Inside
    {
    public:
        explicit Inside(const VerifiedImages& images);
        ~Inside();

        Q_DISABLE_COPY(Inside)

        // Empty once the private folder is the working folder; otherwise why not.
        const OperatorText& problem() const { return why; }

    private:
        FileDescriptor previous;
        OperatorText why;
    };

private:
    struct Copy
    {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
    };

    QString copyPath(const QString& path) const;
    OperatorText problemWithCopy(const QString& path, const Copy& made) const;
    static QString freshFolderTemplate();
    // Folders of earlier runs whose process no longer exists.
    static void removeLeftBehind();

    QTemporaryDir folder;
    FileDescriptor handle; // the folder made, whatever its name comes to hold
    QMap<QString, Copy> copies;
};

#endif
