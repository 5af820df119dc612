#include "catalogue/release/ReleaseFolder.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ModelTable.h"

#include <QDir>
#include <QFileInfo>

// A ./firmware that is no folder (a file, a link to nothing) holds no
// release; the installed one is used then, and the line that says so names it.
ReleaseFolder ReleaseFolder::find(const QString& named)
{
    ReleaseFolder found;
    if (!named.isEmpty()) {
        if (QFileInfo(named).isDir())
            found.folder = named;
    } else if (QFileInfo(ModelTable::firmwareFolder()).isDir()) {
        found.folder = ModelTable::firmwareFolder();
    } else if (QFileInfo(installedPath()).isDir()) {
        found.folder = installedPath();
        found.installed = true;
    }
    return found;
}

QString ReleaseFolder::installedPath()
{
    return installedDataFolder() + QStringLiteral("/firmware");
}

QString ReleaseFolder::imagePath(const QString& catalogueName) const
{
    const QFileInfo image(catalogueName);
    if (folder == ModelTable::firmwareFolder() || catalogueName.isEmpty()
        || image.path() != ModelTable::firmwareFolder())
        return catalogueName;
    return QDir(folder).filePath(image.fileName());
}

QStringList ReleaseFolder::searched()
{
    return {QDir::cleanPath(QDir::current().absoluteFilePath(ModelTable::firmwareFolder())), installedPath()};
}
