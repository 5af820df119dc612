#include "tests/support/UpdaterRun.h"


#include "tests/support/InstalledUpdater.h"

UpdaterRun::UpdaterRun(const QStringList& arguments, bool withDisplayVariables,
                       const QMap<QString, QString>& variables)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (auto variable = variables.cbegin(); variable != variables.cend(); ++variable)
        environment.insert(variable.key(), variable.value());
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    if (!withDisplayVariables)
        environment.remove("QT_QPA_PLATFORM");
    environment.insert("LD_LIBRARY_PATH", RZ_SIMULATOR_DIR);
    process.setProcessEnvironment(environment);
    process.start(InstalledUpdater::get().program(), arguments);
}

int UpdaterRun::finish()
{
    if (!process.waitForFinished(60000))
        qFatal("the updater did not finish");
    output = process.readAllStandardOutput();
    errors = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QStringList UpdaterRun::lines() const
{
    QStringList lines = QString::fromLocal8Bit(output).split('\n');
    lines.removeLast(); // after the last newline
    return lines;
}
