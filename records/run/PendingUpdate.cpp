#include "records/run/PendingUpdate.h"

#include "catalogue/OperatorText.h"
#include "catalogue/Catalogue.h"
#include "host/SessionLog.h"
#include "host/StateFiles.h"
#include "host/StateFolder.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

const QString recordFolder = QStringLiteral("pending");

// Records made before the folder was shared by the machine are in the
// account's own folder; they are still finished.
QStringList recordBases()
{
    return {stateFolder(), userStateFolder()};
}

// What a record holds, from the first folder that has one under its name;
// empty where none can be read.
QJsonObject contentsOf(const QString& name)
{
    for (const QString& base : recordBases()) {
        QByteArray contents;
        OperatorText ignored;
        if (StateFiles(base, recordFolder, false).read(name, PendingUpdate::longestRecord, &contents, &ignored)
            == StateFiles::Found::File)
            return QJsonDocument::fromJson(contents).object();
    }
    return {};
}

} // namespace

PendingUpdate::PendingUpdate(int deviceType, int serialNumber)
    : type(deviceType), serial(serialNumber)
{
}

QString PendingUpdate::fileName() const
{
    return QStringLiteral("%1-%2.json").arg(deviceTypeName(type)).arg(serial);
}

QString PendingUpdate::instrument() const
{
    return QStringLiteral("%1 %2").arg(deviceTypeName(type)).arg(serial);
}

QDateTime PendingUpdate::started() const
{
    return QDateTime::fromString(contentsOf(fileName()).value("started").toString(), Qt::ISODate);
}

QList<PendingUpdate> PendingUpdate::unfinished()
{
    static const QRegularExpression recordName(QStringLiteral("^(.+?)-(-?[0-9]{1,10})\\.json$"));
    QList<PendingUpdate> found;
    for (const QString& base : recordBases()) {
        for (const QString& name : StateFiles(base, recordFolder, false).names()) {
            const QRegularExpressionMatch match = recordName.match(name);
            bool isNumber = false;
            const int serial = match.hasMatch() ? match.captured(2).toInt(&isNumber) : 0;
            const int deviceType = deviceTypeNamed(match.captured(1));
            // Only a record under the very name the updater gives it is one
            // components() reads and remove() clears: one under another name
            // for the same instrument ("RZ610R-0617.json") would be offered
            // to every later operator, and never be cleared.
            const PendingUpdate record(deviceType, serial);
            if (!isNumber || deviceType < 0 || record.fileName() != name || found.contains(record))
                continue;
            found << record;
        }
    }
    // A record that does not say when it started counts as the oldest.
    const auto startOf = [](const PendingUpdate& record) {
        const QDateTime started = record.started();
        return started.isValid() ? started.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    };
    std::stable_sort(found.begin(), found.end(), [&](const PendingUpdate& a, const PendingUpdate& b) {
        return startOf(a) > startOf(b);
    });
    return found;
}

QStringList PendingUpdate::namedLogs()
{
    QStringList logs;
    for (const QString& base : recordBases()) {
        const StateFiles folder(base, recordFolder, false);
        for (const QString& name : folder.names()) {
            QByteArray contents;
            OperatorText ignored;
            if (folder.read(name, longestRecord, &contents, &ignored) == StateFiles::Found::File)
                logs << QJsonDocument::fromJson(contents).object().value("log").toString();
        }
    }
    logs.removeAll(QString());
    return logs;
}

// A record that cannot be read, or that names a component this release does
// not know for the model, still says an operation did not finish: every
// component is rewritten.
QStringList PendingUpdate::components(OperatorText* problem) const
{
    for (const QString& base : recordBases()) {
        QByteArray contents;
        OperatorText reason;
        const StateFiles::Found found = StateFiles(base, recordFolder, false).read(fileName(), longestRecord,
                                                                                 &contents, &reason);
        if (found == StateFiles::Found::None)
            continue;
        if (found == StateFiles::Found::Unusable && problem)
            *problem = OperatorText::tr("Cannot read the update record: %1; every component will be rewritten.")
                           .arg(reason);
        QStringList names;
        for (const QJsonValue& name : QJsonDocument::fromJson(contents).object().value("components").toArray())
            names << name.toString();
        const QStringList known = componentNames(type);
        const bool understood = !names.isEmpty() && std::all_of(names.cbegin(), names.cend(), [&](const QString& name) {
            return known.contains(name);
        });
        return understood ? names : QStringList{QStringLiteral("all")};
    }
    return {};
}

bool PendingUpdate::write(const QStringList& components, const QString& targetVersion, const QString& log,
                          OperatorText* reason) const
{
    const StateFiles folder(stateFolder(), recordFolder, true);
    if (!folder.isOpen()) {
        *reason = folder.errorString();
        return false;
    }
    const QJsonObject record{
        {"model", deviceTypeName(type)},
        {"serial", serial},
        {"components", QJsonArray::fromStringList(components)},
        {"target", targetVersion},
        {"started", QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
        {"log", log},
    };
    return folder.replace(fileName(), QJsonDocument(record).toJson(), reason);
}

QString PendingUpdate::remove() const
{
    for (const QString& base : recordBases()) {
        const StateFiles folder(base, recordFolder, false);
        if (!folder.remove(fileName()))
            return folder.pathOf(fileName());
    }
    return QString();
}
