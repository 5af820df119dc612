#include "catalogue/PlantedFile.h"

#include "catalogue/OperatorText.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const fileIsKind = QT_TRANSLATE_NOOP("OperatorText", "%1 is %2");

OperatorText systemReason(const QString& path, int error)
{
    return OperatorText::verbatim(QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

OperatorText naming(const char* notAFile, const QString& path, const OperatorText& kind)
{
    return OperatorText::marked(notAFile ? notAFile : fileIsKind).arg(path).arg(kind);
}

OperatorText tooLarge(const char* notAFile, const QString& path, qint64 longest)
{
    return naming(notAFile, path, OperatorText::tr("larger than %1 KiB").arg(longest / 1024));
}

// The contents of the open file once it is known to be a regular file of
// sane size; else empty, with the reason.
QByteArray readChecked(int file, const QString& path, qint64 longest, const char* notAFile, OperatorText* reason)
{
    *reason = PlantedFile::whyUnusable(file, path, longest, notAFile);
    QFile reader;
    if (!reason->isEmpty())
        return QByteArray();
    if (!reader.open(file, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        *reason = OperatorText::verbatim(QStringLiteral("%1: %2").arg(path, reader.errorString()));
        return QByteArray();
    }
    const QByteArray contents = reader.read(longest + 1);
    if (contents.size() <= longest)
        return contents;
    // Grown since it was looked at.
    *reason = tooLarge(notAFile, path, longest);
    return QByteArray();
}

} // namespace

OperatorText PlantedFile::kindOf(unsigned mode)
{
    if (S_ISLNK(mode))
        return OperatorText::tr("a symbolic link");
    if (S_ISFIFO(mode))
        return OperatorText::tr("a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return OperatorText::tr("a device");
    if (S_ISSOCK(mode))
        return OperatorText::tr("a socket");
    if (S_ISDIR(mode))
        return OperatorText::tr("a folder");
    return OperatorText::tr("not a regular file");
}

OperatorText PlantedFile::whyUnusable(int descriptor, const QString& path, qint64 longest, const char* notAFile)
{
    struct stat status;
    if (::fstat(descriptor, &status) != 0)
        return systemReason(path, errno);
    if (!S_ISREG(status.st_mode))
        return naming(notAFile, path, kindOf(status.st_mode));
    if (status.st_size > longest)
        return tooLarge(notAFile, path, longest);
    return OperatorText();
}

PlantedFile::Found PlantedFile::read(int folder, const QString& name, const QString& path, qint64 longest,
                                     QByteArray* contents, OperatorText* reason, const char* notAFile)
{
    const int file =
        ::openat(folder, QFile::encodeName(name).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        if (errno == ENOENT)
            return Found::None;
        *reason = errno == ELOOP ? naming(notAFile, path, kindOf(S_IFLNK))
                                 : systemReason(path, errno);
        return Found::Unusable;
    }
    *contents = readChecked(file, path, longest, notAFile, reason);
    ::close(file);
    return reason->isEmpty() ? Found::File : Found::Unusable;
}

PlantedFile::Found PlantedFile::read(const QString& path, qint64 longest, QByteArray* contents, OperatorText* reason,
                                     const char* notAFile)
{
    return read(AT_FDCWD, path, QDir::toNativeSeparators(path), longest, contents, reason, notAFile);
}
