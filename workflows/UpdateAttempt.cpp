#include "workflows/UpdateAttempt.h"

#include <QJsonValue>
#include <QRegularExpression>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace {

// The account the updater runs as, which under sudo is not $USER's.
QString accountName()
{
    struct passwd entry;
    struct passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(geteuid());
}

QVariant textOrNull(const QString& text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QVariant timeOrNull(const QDateTime& time)
{
    return time.isValid() ? QVariant(time.toUTC().toString(Qt::ISODate)) : QVariant();
}

QString csvField(const QVariant& value)
{
    static const QRegularExpression needsQuotes(QStringLiteral("[,\"\r\n]"));
    QString text = value.userType() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(' '))
                                                              : value.toString();
    if (text.contains(needsQuotes))
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
    return text;
}

} // namespace

UpdateAttempt UpdateAttempt::onThisMachine()
{
    UpdateAttempt attempt;
    attempt.host = QSysInfo::machineHostName();
    attempt.user = accountName();
    attempt.updaterVersion = QStringLiteral(RZ_UPDATER_VERSION);
    return attempt;
}

QStringList UpdateAttempt::fieldNames()
{
    return {"id", "started", "finished", "host", "user", "action", "model", "serial", "versionBefore",
            "versionTarget", "components", "state", "error", "releaseKey", "sumsSha256", "log",
            "updaterVersion", "libraryVersion", "resumedFrom"};
}

QVariantList UpdateAttempt::values() const
{
    return {id, timeOrNull(started), timeOrNull(finished), host, user, action, model, serial,
            textOrNull(versionBefore), versionTarget, components, state, textOrNull(error),
            textOrNull(releaseKey), textOrNull(sumsSha256), textOrNull(log), updaterVersion,
            textOrNull(libraryVersion), resumedFrom ? QVariant(resumedFrom) : QVariant()};
}

QString UpdateAttempt::result() const
{
    return error.isEmpty() ? state : state + QStringLiteral(": ") + error;
}

QJsonObject UpdateAttempt::toJson() const
{
    QJsonObject object;
    const QStringList names = fieldNames();
    const QVariantList fields = values();
    for (int i = 0; i < names.size(); ++i)
        object.insert(names.at(i), QJsonValue::fromVariant(fields.at(i)));
    return object;
}

QByteArray UpdateAttempt::toCsv(const QList<UpdateAttempt>& attempts)
{
    QString text = fieldNames().join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const UpdateAttempt& attempt : attempts) {
        QStringList row;
        for (const QVariant& value : attempt.values())
            row << csvField(value);
        text += row.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text.toUtf8();
}
