#include "catalogue/LocalPath.h"

#include "catalogue/OperatorText.h"

#include <QDir>

bool LocalPath::isAbsolute(const QString& path)
{
    return path.startsWith(QLatin1Char('/'));
}

QString LocalPath::absolute(const QString& path)
{
    if (isAbsolute(path))
        return QDir::cleanPath(path);
    const QString workingFolder = QDir::currentPath();
    return workingFolder.isEmpty() ? QString() : QDir::cleanPath(workingFolder + QLatin1Char('/') + path);
}

OperatorText LocalPath::problemOf(const char* variable)
{
    const QString named = qEnvironmentVariable(variable);
    if (named.isEmpty() || !absolute(named).isEmpty())
        return OperatorText();
    return OperatorText::tr("%1 must be an absolute path, not \"%2\": the working folder no longer exists.")
        .arg(QLatin1String(variable))
        .arg(named);
}
