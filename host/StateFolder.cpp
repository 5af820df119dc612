#include "host/StateFolder.h"

#include "catalogue/LocalPath.h"
#include "catalogue/OperatorText.h"
#include "host/GroupRefusal.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char machineFolder[] = "/var/lib/rz-firmware-updater";

// Empty when this process may create and remove files in the folder. An
// account outside the folder's group is told how to join it.
OperatorText whyNotWritable(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (::access(path.constData(), W_OK | X_OK) == 0)
        return OperatorText();
    const int reason = errno;
    const GroupRefusal refusal(folder);
    if (reason == EACCES && refusal.applies())
        return refusal.line();
    return OperatorText::verbatim(QStringLiteral("%1: %2").arg(folder, QString::fromLocal8Bit(std::strerror(reason))));
}

} // namespace

QString stateFolder()
{
    const QString chosen = qEnvironmentVariable("RZ_STATE_DIR");
    if (!chosen.isEmpty())
        return QDir::cleanPath(chosen);
    return stateFolderNotShared().isEmpty() ? QString::fromLatin1(machineFolder) : userStateFolder();
}

// Only a relative $HOME makes the account's own folder relative: a relative
// XDG_STATE_HOME is ignored.
OperatorText stateFolderProblem()
{
    if (LocalPath::isAbsolute(stateFolder()))
        return OperatorText();
    const char* const variable = qEnvironmentVariableIsEmpty("RZ_STATE_DIR") ? "HOME" : "RZ_STATE_DIR";
    return OperatorText::tr("%1 must be an absolute path, not \"%2\".")
        .arg(QLatin1String(variable))
        .arg(qEnvironmentVariable(variable));
}

OperatorText stateFolderNotShared()
{
    if (!qEnvironmentVariableIsEmpty("RZ_STATE_DIR"))
        return OperatorText();
    return whyNotWritable(QString::fromLatin1(machineFolder));
}

OperatorText stateFolderNotSharedLine()
{
    const OperatorText reason = stateFolderNotShared();
    return reason.isEmpty() ? OperatorText() : OperatorText::tr("Updates are recorded for this account only: %1").arg(reason);
}

// Qt 5 has no standard location for state; this follows the XDG rule, which
// says a relative XDG_STATE_HOME is to be ignored.
QString userStateFolder()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (!LocalPath::isAbsolute(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/rz-firmware-updater"));
}
