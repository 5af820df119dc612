#include "catalogue/LocalPath.h"

#include <QDir>

bool LocalPath::isAbsolute(const QString& path)
{
    return path.startsWith(QLatin1Char('/'));
}

QString LocalPath::absolute(const QString& path)
{
    return QDir::cleanPath(isAbsolute(path) ? path : QDir::currentPath() + QLatin1Char('/') + path);
}
