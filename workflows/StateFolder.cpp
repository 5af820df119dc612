#include "workflows/StateFolder.h"

#include <QDir>

// Qt 5 has no standard location for state; this follows the XDG rule.
QString stateFolder()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/rz-firmware-updater");
}
