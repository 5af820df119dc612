#include "cli/CommandLine.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ModelTable.h"
#include "cli/HistoryCommand.h"
#include "cli/TerminalFrontEnd.h"
#include "host/UpdaterLock.h"
#include "host/WriteGuard.h"
#include "workflows/CheckVersionsFlow.h"
#include "workflows/FirmwareWriteFlow.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstring>

namespace {

const char description[] =
    "Brings the one connected instrument to the firmware this release carries.\n"
    "\n"
    "Commands:\n"
    "  check     find the instrument and compare its firmware with this release\n"
    "  update    check, then write what differs\n"
    "  restore   check, bootstrapping the named model if nothing answers, then\n"
    "            rewrite every component of an instrument in boot mode; an\n"
    "            update on record that did not finish names the model itself\n"
    "  history   every update and restore on record, newest first\n"
    "\n"
    "Exit codes:\n"
    "   0  done: up to date, or written successfully\n"
    "   1  a write or a query failed\n"
    "   2  bad usage\n"
    "   3  no instrument found\n"
    "   4  refused before any write (firmware not signed by a trusted key,\n"
    "      newer firmware without --allow-downgrade, unknown model, missing or\n"
    "      corrupt image, restore of a working instrument, update of one that\n"
    "      needs a restore)\n"
    "   5  the instrument stopped answering: a call to it did not return within\n"
    "      its time; an update on record that did not finish is finished by\n"
    "      the next run\n"
    "  10  check: an update is available\n"
    "  11  check: a restore is needed\n"
    "  130 stopped by a signal once the firmware being written was written\n"
    "      successfully (a stop during a write that failed exits 1)\n"
    "\n"
    "Without a command the window opens.";

const char* const outcomeNames[] = {"done", "refused", "nothing found", "failed", "cancelled", "stopped answering"};

// Qt's own options for the window, which still open the window.
bool isWindowOption(const char* argument)
{
    for (const char* option : {"-platform", "-display", "-style", "-stylesheet", "-geometry", "-qwindowgeometry",
                               "-qwindowtitle", "-qwindowicon", "-reverse", "-session", "-widgetcount"}) {
        if (std::strcmp(argument, option) == 0)
            return true;
    }
    return false;
}

QJsonValue versionOrNull(const FirmwareVersion& version, bool known)
{
    return known ? QJsonValue(version.versionString()) : QJsonValue();
}

} // namespace

CommandLine::CommandLine() = default;
CommandLine::~CommandLine() = default;

bool CommandLine::wanted(int argc, char* argv[])
{
    return argc > 1 && !isWindowOption(argv[1]);
}

int CommandLine::run(const QStringList& arguments)
{
    int exitCode = ExitDone;
    if (!parse(arguments, &exitCode))
        return exitCode;
    std::optional<int> model;
    if (!readModel(&model, &exitCode))
        return exitCode;
    WriteGuard::install();
    if (command == QLatin1String("history")) {
        HistoryCommand history;
        return history.readOptions(parser, model) ? history.run() : int(ExitUsage);
    }
    terminal = std::make_unique<TerminalFrontEnd>(json ? stderr : stdout);
    terminal->allowDowngrade = parser.isSet(QStringLiteral("allow-downgrade"));
    terminal->model = model;
    UpdaterLock lock;
    if (lock.acquire()) {
        terminal->begin();
        exitCode = runCommand();
    } else {
        exitCode = refuse(lock.errorLine());
    }
    // A stop was put off until the write ended: 130 says the program was
    // stopped, but only after a write that succeeded.
    if (WriteGuard::stopRequested() && exitCode == ExitDone)
        exitCode = ExitInterrupted;
    if (json)
        printJson(exitCode);
    return exitCode;
}

bool CommandLine::parse(const QStringList& arguments, int* exitCode)
{
    parser.setApplicationDescription(QString::fromLatin1(description));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("check, update, restore or history"));
    parser.addOptions({
        {QStringLiteral("allow-downgrade"), QStringLiteral("update: write even where the instrument holds newer firmware.")},
        {QStringLiteral("model"), QStringLiteral("restore: the model to bootstrap when nothing answers; "
                                                 "history: only this model's attempts."),
         ModelTable::names(QStringLiteral("|"))},
        {QStringLiteral("json"), QStringLiteral("Print one JSON report on standard output at the end; the lines go "
                                                "to standard error. history: the attempts as JSON.")},
        {QStringLiteral("serial"), QStringLiteral("history: only this instrument's attempts."), QStringLiteral("N")},
        {QStringLiteral("since"), QStringLiteral("history: only attempts started on this day (UTC) or later."),
         QStringLiteral("YYYY-MM-DD")},
        {QStringLiteral("csv"), QStringLiteral("history: the attempts as CSV, a header row first.")},
    });
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        *exitCode = ExitUsage;
        return false;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(ExitDone);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    const QStringList positional = parser.positionalArguments();
    command = positional.value(0);
    json = parser.isSet(QStringLiteral("json"));
    if (positional.size() != 1 || !QStringList({"check", "update", "restore", "history"}).contains(command)) {
        std::fprintf(stderr, "Expected one command: check, update, restore or history (see --help).\n");
        *exitCode = ExitUsage;
        return false;
    }
    if (command != QLatin1String("history")
        && (parser.isSet(QStringLiteral("serial")) || parser.isSet(QStringLiteral("since"))
            || parser.isSet(QStringLiteral("csv")))) {
        std::fprintf(stderr, "--serial, --since and --csv go with history only.\n");
        *exitCode = ExitUsage;
        return false;
    }
    return true;
}

bool CommandLine::readModel(std::optional<int>* model, int* exitCode)
{
    if (!parser.isSet(QStringLiteral("model")))
        return true;
    const QString name = parser.value(QStringLiteral("model"));
    const int type = deviceTypeNamed(name);
    if (type >= 0) {
        *model = type;
        return true;
    }
    std::fprintf(stderr, "--model: expected one of %s, not %s.\n", qPrintable(ModelTable::names(QStringLiteral(", "))),
                 qPrintable(name));
    *exitCode = ExitUsage;
    return false;
}

int CommandLine::runCommand()
{
    if (command == QLatin1String("update"))
        return update();
    if (command == QLatin1String("restore"))
        return restore();
    return check();
}

int CommandLine::check()
{
    if (const std::optional<int> stop = checkFirst())
        return *stop;
    if (offered & FrontEnd::RestoreAction)
        return ExitRestoreNeeded;
    return (offered & FrontEnd::UpdateAction) ? int(ExitUpdateAvailable) : int(ExitDone);
}

int CommandLine::update()
{
    if (const std::optional<int> stop = checkFirst())
        return *stop;
    if (offered & FrontEnd::RestoreAction)
        return refuse(QStringLiteral("The instrument needs a restore; use restore."));
    if (!(offered & FrontEnd::UpdateAction))
        return ExitDone;
    return write(&FirmwareWriteFlow::update);
}

int CommandLine::restore()
{
    const std::optional<int> stop = checkFirst();
    if (found.status == Operational)
        return refuse(QStringLiteral("The instrument answers normally; use update."));
    if (stop)
        return *stop;
    return write(&FirmwareWriteFlow::restore);
}

// The check every command starts with. The exit code when the command ends
// there; none when the instrument was found and may be written.
std::optional<int> CommandLine::checkFirst()
{
    CheckVersionsFlow flow(*terminal);
    outcome = flow.run();
    found = flow.state();
    offered = flow.offered();
    release = flow.release();
    if (outcome == FlowOutcome::Done)
        return std::nullopt;
    if (outcome != FlowOutcome::Cancelled)
        return exitFor(outcome);
    if (command == QLatin1String("restore"))
        return refuse(QStringLiteral("No instrument answers. To bootstrap it, name its model: restore --model %1.")
                          .arg(ModelTable::names(QStringLiteral("|"))));
    terminal->addLine(QStringLiteral("No instrument answers. If one is connected, "
                                     "restore --model MODEL can bootstrap it."));
    outcome = FlowOutcome::NothingFound;
    return ExitNothingFound;
}

int CommandLine::write(FlowOutcome (*flow)(FrontEnd&, const DeviceState&, qint64*))
{
    outcome = flow(*terminal, found, &attemptId);
    written = outcome == FlowOutcome::Done;
    return exitFor(outcome);
}

int CommandLine::refuse(const QString& line)
{
    terminal->addLine(line);
    outcome = FlowOutcome::Refused;
    return ExitRefused;
}

int CommandLine::exitFor(FlowOutcome outcome)
{
    switch (outcome) {
    case FlowOutcome::Done:
        return ExitDone;
    case FlowOutcome::Refused:
    case FlowOutcome::Cancelled: // the operator named no model: nothing written
        return ExitRefused;
    case FlowOutcome::NothingFound:
        return ExitNothingFound;
    case FlowOutcome::Stalled:
        return ExitStalled;
    case FlowOutcome::Failed:
        break;
    }
    return ExitFailed;
}

void CommandLine::printJson(int exitCode) const
{
    const bool identified = found.status != NotDetected;
    const bool versionsRead = found.status == Operational;
    const QString logFile = terminal->sessionLogPath();
    QJsonObject report{
        {"command", command},
        {"outcome", QString::fromLatin1(outcomeNames[int(outcome)])},
        {"exitCode", exitCode},
        {"model", identified ? QJsonValue(deviceTypeName(found.deviceType)) : QJsonValue()},
        {"serial", identified ? QJsonValue(found.serialNumber) : QJsonValue()},
        {"firmwareBefore", versionOrNull(found.currentVersion, versionsRead)},
        // Only what is known: the target once written, the same firmware when
        // nothing was written, nothing after a write that failed.
        {"firmwareAfter", written ? QJsonValue(found.targetVersion.versionString())
                                  : versionOrNull(found.currentVersion, versionsRead && outcome != FlowOutcome::Failed)},
        {"target", versionOrNull(found.targetVersion, identified && isKnownDeviceType(found.deviceType))},
        // True only after a successful write: a script can tell an update
        // from an instrument that was already current.
        {"written", written},
        {"logFile", logFile.isEmpty() ? QJsonValue() : QJsonValue(logFile)},
        {"release", release ? QJsonValue(QJsonObject{{"key", release->keyId()}, {"comment", release->comment()}})
                            : QJsonValue()},
        {"lines", QJsonArray::fromStringList(terminal->writtenLines())},
        // The history's row of the write, for `history` and the window.
        {"attemptId", attemptId ? QJsonValue(attemptId) : QJsonValue()},
        {"libraryVersion", terminal->libraryVersion().isNull() ? QJsonValue() : QJsonValue(terminal->libraryVersion())},
    };
    std::fputs(QJsonDocument(report).toJson(QJsonDocument::Indented).constData(), stdout);
    std::fflush(stdout);
}
