#include "tests/support/UpdaterRun.h"


#include "tests/support/InstalledUpdater.h"

UpdaterRun::UpdaterRun(const QStringList& arguments, bool withDisplayVariables,
                       const QMap<QString, QString>& variables, const QStringList& readerCommand,
                       const QStringList& launcher)
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
    if (!readerCommand.isEmpty())
        process.setStandardOutputProcess(&reader);
    if (launcher.isEmpty())
        process.start(InstalledUpdater::get().program(), arguments);
    else
        process.start(launcher.first(), launcher.mid(1) + QStringList{InstalledUpdater::get().program()} + arguments);
    if (!readerCommand.isEmpty())
        reader.start(readerCommand.first(), readerCommand.mid(1));
}

int UpdaterRun::finish()
{
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(60000))
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
