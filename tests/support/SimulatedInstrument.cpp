#include "tests/support/SimulatedInstrument.h"

#include "catalogue/release/TrustedKeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QtTest>

SimulatedInstrument::SimulatedInstrument()
    : previousFolder(QDir::currentPath()),
      previousStateDir(qgetenv("RZ_STATE_DIR")),
      previousLockFile(qgetenv("RZ_LOCK_FILE")),
      previousStateHome(qgetenv("XDG_STATE_HOME")),
      previousRuntimeDir(qgetenv("XDG_RUNTIME_DIR"))
{
    QDir::setCurrent(folder.path());
    qputenv("RZ_SIM_DEVICE", path("rzsim-device.json").toLocal8Bit());
    qputenv("RZ_SIM_TRACE", path("trace.log").toLocal8Bit());
    // Records, logs and the lock of this test's updaters stay in its folder;
    // the account's own folder, where earlier releases kept records, too.
    qputenv("RZ_STATE_DIR", path("state").toLocal8Bit());
    qputenv("RZ_LOCK_FILE", path("updater.lock").toLocal8Bit());
    qputenv("XDG_STATE_HOME", path("home-state").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", path("runtime").toLocal8Bit());
    QDir().mkpath(path("runtime"));
    trust({{RZ_DEMO_KEY_DIR}, {}});
    runTool({"firmware", path("firmware"), "--key", RZ_DEMO_KEY_DIR "/rzsim.key"});
}

SimulatedInstrument::~SimulatedInstrument()
{
    QDir::setCurrent(previousFolder);
    qunsetenv("RZ_SIM_TRACE");
    restoreVariable("RZ_STATE_DIR", previousStateDir);
    restoreVariable("RZ_LOCK_FILE", previousLockFile);
    restoreVariable("XDG_STATE_HOME", previousStateHome);
    restoreVariable("XDG_RUNTIME_DIR", previousRuntimeDir);
    qunsetenv("RZ_SIM_DEVICE");
}

void SimulatedInstrument::restoreVariable(const char* name, const QByteArray& value)
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

void SimulatedInstrument::create(const QStringList& options)
{
    runTool(QStringList{"device", "--file", path("rzsim-device.json"), "--fast"} + options);
}

void SimulatedInstrument::remove()
{
    QFile::remove(path("rzsim-device.json"));
}

QString SimulatedInstrument::runTool(const QStringList& arguments) const
{
    QProcess tool;
    tool.setWorkingDirectory(folder.path());
    tool.start(QCoreApplication::applicationDirPath() + "/rzsim", arguments);
    const bool finished = tool.waitForFinished(60000);
    const QString output = QString::fromLocal8Bit(tool.readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(tool.readAllStandardError());
    if (!finished || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        qFatal("rzsim %s failed: %s", qPrintable(arguments.join(' ')), qPrintable(errors));
    return output;
}

QJsonObject SimulatedInstrument::state() const
{
    QFile file(path("rzsim-device.json"));
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

void SimulatedInstrument::writeState(const QJsonObject& state) const
{
    QFile file(path("rzsim-device.json"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the instrument's state");
    file.write(QJsonDocument(state).toJson());
}

QStringList SimulatedInstrument::trace() const
{
    QFile file(path("trace.log"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

QStringList SimulatedInstrument::traceOf(const QString& call) const
{
    QStringList lines;
    for (const QString& line : trace()) {
        if (line.startsWith(call + '('))
            lines << line;
    }
    return lines;
}

QStringList SimulatedInstrument::calledFunctions() const
{
    return callsLike({});
}

// Without the version query of the panel's banner, which is no device access.
QStringList SimulatedInstrument::callsLike(const QStringList& expected) const
{
    QStringList calls;
    for (const QString& line : trace()) {
        const QString name = line.left(line.indexOf('('));
        if (name == QLatin1String("rzGetAPIVersion"))
            continue;
        const QString wanted = expected.value(calls.size());
        if (!wanted.contains(QLatin1String(": ")))
            calls << name;
        else if (wanted.startsWith(name + ": ") && line.contains(wanted.section(QLatin1String(": "), 1)))
            calls << wanted;
        else
            calls << line;
    }
    return calls;
}

void SimulatedInstrument::clearTrace() const
{
    QFile::remove(path("trace.log"));
}

QString SimulatedInstrument::path(const QString& relative) const
{
    return folder.filePath(relative);
}

QStringList SimulatedInstrument::usbModel(const QString& model, int boot, int run, int fpga)
{
    return {"--model", model, "--serial", "12345", "--boot", QString::number(boot), "--run",
            QString::number(run), "--fpga", QString::number(fpga)};
}

QStringList SimulatedInstrument::rz610t(int fx3, int fpga)
{
    return {"--model", "RZ610T", "--serial", "777", "--fx3", QString::number(fx3), "--fpga",
            QString::number(fpga)};
}

// The replacement before goes first: each names what was trusted before
// the instrument.
void SimulatedInstrument::trust(const TrustedKeys::Locations& locations)
{
    trusted.reset();
    trusted = std::make_unique<TrustedKeys::Replacement>(locations);
}
