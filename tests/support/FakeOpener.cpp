#include "tests/support/FakeOpener.h"

#include <QFile>

FakeOpener::FakeOpener(Kind kind) : previousPath(qgetenv("PATH"))
{
    if (kind != Missing) {
        QFile script(folder.filePath("xdg-open"));
        if (!script.open(QIODevice::WriteOnly)
            || script.write(QString("#!/bin/sh\n/bin/sleep 1\nprintf '%s\\n' \"$1\" >>'%1/opened'\nexit %2\n")
                                .arg(folder.path())
                                .arg(kind == Opens ? 0 : 3)
                                .toUtf8())
                   < 0
            || !script.setPermissions(script.permissions() | QFileDevice::ExeOwner))
            qFatal("cannot make the fake opener");
    }
    // Nothing else on the PATH: a real opener would open the desktop's programs.
    qputenv("PATH", QFile::encodeName(folder.path()));
}

FakeOpener::~FakeOpener()
{
    qputenv("PATH", previousPath);
}

QStringList FakeOpener::opened() const
{
    QFile file(folder.filePath("opened"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList paths = QString::fromLocal8Bit(file.readAll()).split('\n');
    paths.removeLast();
    return paths;
}
