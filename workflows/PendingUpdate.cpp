#include "workflows/PendingUpdate.h"

#include "catalogue/Catalogue.h"
#include "workflows/StateFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

PendingUpdate::PendingUpdate(int deviceType, int serialNumber)
    : deviceType(deviceType), serialNumber(serialNumber)
{
}

QString PendingUpdate::path() const
{
    return stateFolder() + QStringLiteral("/pending/%1-%2.json").arg(deviceTypeName(deviceType)).arg(serialNumber);
}

// A record that cannot be read still says an operation did not finish; with
// no component named, every one is rewritten.
QStringList PendingUpdate::components() const
{
    QFile file(path());
    if (!file.exists())
        return {};
    QStringList names;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QJsonValue& name : QJsonDocument::fromJson(file.readAll()).object().value("components").toArray())
            names << name.toString();
    }
    names.removeAll(QString());
    return names.isEmpty() ? QStringList{QStringLiteral("all")} : names;
}

bool PendingUpdate::write(const QStringList& components, const QString& targetVersion, QString* reason) const
{
    const QString folder = QFileInfo(path()).path();
    if (!QDir().mkpath(folder)) {
        *reason = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    const QJsonObject record{
        {"model", deviceTypeName(deviceType)},
        {"serial", serialNumber},
        {"components", QJsonArray::fromStringList(components)},
        {"target", targetVersion},
        {"started", QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
    };
    QSaveFile file(path());
    if (file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(record).toJson()) >= 0 && file.commit())
        return true;
    *reason = QStringLiteral("%1: %2").arg(path(), file.errorString());
    return false;
}

void PendingUpdate::remove() const
{
    QFile::remove(path());
}
