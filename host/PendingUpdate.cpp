#include "host/PendingUpdate.h"

#include "catalogue/Catalogue.h"
#include "host/StateFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>

PendingUpdate::PendingUpdate(int deviceType, int serialNumber)
    : deviceType(deviceType), serialNumber(serialNumber)
{
}

QString PendingUpdate::path() const
{
    return pathIn(stateFolder());
}

QString PendingUpdate::pathIn(const QString& folder) const
{
    return folder + QStringLiteral("/pending/%1-%2.json").arg(deviceTypeName(deviceType)).arg(serialNumber);
}

// Records made before the folder was shared by the machine are in the
// account's own folder; they are still finished.
QString PendingUpdate::existingPath() const
{
    for (const QString& candidate : {path(), pathIn(userStateFolder())}) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QString();
}

// A record that cannot be read, or that names a component this release does
// not know for the model, still says an operation did not finish: every
// component is rewritten.
QStringList PendingUpdate::components() const
{
    const QString found = existingPath();
    if (found.isEmpty())
        return {};
    QFile file(found);
    QStringList names;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QJsonValue& name : QJsonDocument::fromJson(file.readAll()).object().value("components").toArray())
            names << name.toString();
    }
    const QStringList known = componentNames(deviceType);
    const bool understood = !names.isEmpty() && std::all_of(names.cbegin(), names.cend(), [&](const QString& name) {
        return known.contains(name);
    });
    return understood ? names : QStringList{QStringLiteral("all")};
}

bool PendingUpdate::write(const QStringList& components, const QString& targetVersion, QString* reason) const
{
    if (!makeStateFolder(QFileInfo(path()).path(), reason))
        return false;
    const QJsonObject record{
        {"model", deviceTypeName(deviceType)},
        {"serial", serialNumber},
        {"components", QJsonArray::fromStringList(components)},
        {"target", targetVersion},
        {"started", QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
    };
    QSaveFile file(path());
    if (file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(record).toJson()) >= 0 && file.commit()) {
        restrictStateFile(path());
        return true;
    }
    *reason = QStringLiteral("%1: %2").arg(path(), file.errorString());
    return false;
}

QString PendingUpdate::remove() const
{
    for (QString found = existingPath(); !found.isEmpty(); found = existingPath()) {
        if (!QFile::remove(found))
            return found;
    }
    return QString();
}
