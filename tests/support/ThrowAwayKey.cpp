#include "tests/support/ThrowAwayKey.h"

#include <QDir>
#include <QFile>
#include <QProcess>

ThrowAwayKey::ThrowAwayKey()
{
    QDir(folder.path()).mkpath("keys");
    minisign({"-G", "-W", "-p", publicKeyFile(), "-s", folder.filePath("secret.key")});
}

QString ThrowAwayKey::keyFolder() const
{
    return folder.filePath("keys");
}

QString ThrowAwayKey::publicKeyFile() const
{
    return folder.filePath("keys/throw-away.pub");
}

QString ThrowAwayKey::printedIdOf(const QString& publicKeyFile)
{
    QFile file(publicKeyFile);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(publicKeyFile));
    return QString::fromLatin1(file.readLine().trimmed()).section(' ', -1);
}

void ThrowAwayKey::sign(const QString& file, const QString& trustedComment, bool legacy) const
{
    QStringList arguments{"-S", "-s", folder.filePath("secret.key"), "-m", file, "-t", trustedComment};
    if (legacy)
        arguments << "-l";
    QFile::remove(file + ".minisig");
    minisign(arguments);
}

// The tests' packages include minisign (tools/common.sh).
void ThrowAwayKey::minisign(const QStringList& arguments)
{
    QProcess tool;
    tool.start("minisign", arguments);
    const bool finished = tool.waitForFinished(60000);
    if (!finished || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        qFatal("minisign %s failed: %s %s", qPrintable(arguments.join(' ')), qPrintable(tool.errorString()),
               tool.readAllStandardError().constData());
}
