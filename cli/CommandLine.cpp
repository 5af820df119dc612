#include "cli/CommandLine.h"

#include "catalogue/OperatorText.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ModelTable.h"
#include "cli/EventFrontEnd.h"
#include "cli/HistoryCommand.h"
#include "cli/PendingCommand.h"
#include "cli/ReleaseCommand.h"
#include "cli/TerminalFrontEnd.h"
#include "host/UpdaterLock.h"
#include "host/WriteGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstring>
#include <utility>

namespace {

// Printed as it stands: its translations keep their lines within a
// terminal's 80 columns.
const char* const description = QT_TRANSLATE_NOOP("CommandLine",
    "Brings the one connected instrument to the firmware this release carries.\n"
    "\n"
    "Commands:\n"
    "  check     find the instrument and compare its firmware with this release\n"
    "  update    check, then write what differs\n"
    "  restore   check, bootstrapping the named model if nothing answers, then\n"
    "            rewrite every component of an instrument in boot mode;\n"
    "            without --model, the one update on record that did not\n"
    "            finish names the model, if there is exactly one\n"
    "  history   every update and restore on record, newest first\n"
    "  pending   the updates on record that did not finish; --discard lets\n"
    "            one go\n"
    "  release   what the release carries and who signed it, without an\n"
    "            instrument\n"
    "\n"
    "Exit codes:\n"
    "   0  done: up to date, or written successfully\n"
    "   1  a write or a query failed\n"
    "   2  bad usage\n"
    "   3  no instrument found\n"
    "   4  refused before any write (no release found, firmware not signed by a\n"
    "      trusted key, newer firmware without --allow-downgrade, unknown model,\n"
    "      missing or corrupt image, restore of a working instrument, update of\n"
    "      one that needs a restore, another updater running on the machine);\n"
    "      release: the release is refused\n"
    "   5  the instrument stopped answering: a call to it did not return within\n"
    "      its time; the next update or restore of that instrument finishes\n"
    "      the update on record\n"
    "  10  check: an update is available\n"
    "  11  check: a restore is needed\n"
    "  128+N  stopped by signal N (130 SIGINT, 129 SIGHUP, 131 SIGQUIT,\n"
    "      143 SIGTERM): at once before anything was erased, otherwise once\n"
    "      the firmware being written was written successfully (a stop during\n"
    "      a write that failed exits 1)\n"
    "\n"
    "A command that fails or refuses prints its reason on standard error too,\n"
    "after the program's name.\n"
    "\n"
    "Without a command the window opens.");

const char programName[] = "rz-firmware-updater";

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

// An error or a reason on standard error, after the program's name, as
// other commands give theirs.
void printError(const QString& line)
{
    std::fprintf(stderr, "%s: %s\n", programName, qPrintable(line));
}

// Serial numbers are positive; a minus sign or a word is a typing error.
bool isSerialNumber(const QString& text)
{
    bool number = false;
    return text.toInt(&number) > 0 && number;
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
    if (!validate(arguments, &exitCode))
        return exitCode;
    WriteGuard::install();
    if (history)
        return history->run();
    if (pending)
        return pending->run();
    if (command == QLatin1String("release"))
        return ReleaseCommand(releaseFolder, json    ? ReleaseCommand::Output::Json
                                             : quiet ? ReleaseCommand::Output::Quiet
                                                     : ReleaseCommand::Output::Lines)
            .run();
    EventFrontEnd* stream = nullptr;
    if (events) {
        auto eventFrontEnd = std::make_unique<EventFrontEnd>(stdout, command);
        stream = eventFrontEnd.get();
        terminal = std::move(eventFrontEnd);
    } else {
        terminal = std::make_unique<TerminalFrontEnd>(json ? stderr : stdout);
    }
    terminal->quiet = quiet;
    terminal->firmware = releaseFolder;
    terminal->allowDowngrade = parser.isSet(QStringLiteral("allow-downgrade"));
    terminal->model = model;
    terminal->finishesRecord = command == QLatin1String("restore") && !model;
    terminal->writesAfterCheck = command != QLatin1String("check");
    UpdaterSession session(*terminal, command);
    UpdaterLock lock;
    if (lock.acquire()) {
        session.begin(false, arguments.mid(1).join(QLatin1Char(' ')));
        session.run(command == QLatin1String("update")    ? UpdaterSession::Command::Update
                    : command == QLatin1String("restore") ? UpdaterSession::Command::Restore
                                                          : UpdaterSession::Command::Check);
    } else {
        session.refuse(lock.errorLine());
    }
    // The reason a failed or refused run ended, on standard error too, in
    // the operator's language; the report keeps it English.
    const OperatorText reason = session.reason();
    if (!reason.isEmpty())
        printError(reason.translated());
    terminal->printVerdict();
    if (json)
        printJson(session);
    if (stream)
        stream->showReport(session.finishReport());
    return session.exitCode();
}

bool CommandLine::validate(const QStringList& arguments, int* exitCode)
{
    if (!parse(arguments, exitCode) || !readModel(exitCode))
        return false;
    const OperatorText environmentProblem = UpdaterSession::environmentProblem();
    if (!environmentProblem.isEmpty()) {
        printError(environmentProblem.translated());
        *exitCode = ExitUsage;
        return false;
    }
    bool usable = true;
    if (command == QLatin1String("history")) {
        history = std::make_unique<HistoryCommand>();
        usable = history->readOptions(parser, model);
    } else if (command == QLatin1String("pending")) {
        pending = std::make_unique<PendingCommand>();
        usable = pending->readOptions(parser, model);
    }
    if (!usable)
        *exitCode = ExitUsage;
    return usable;
}

bool CommandLine::parse(const QStringList& arguments, int* exitCode)
{
    parser.setApplicationDescription(tr(description));
    // The program's own help and version options rather than Qt's, whose
    // descriptions Qt's translations leave English in some languages.
    QCommandLineOption helpAll(QStringLiteral("help-all"));
    helpAll.setFlags(QCommandLineOption::HiddenFromHelp); // as earlier releases listed it
    parser.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")}, tr("Print this help and exit.")},
        {{QStringLiteral("v"), QStringLiteral("version")}, tr("Print the version and exit.")},
        helpAll,
    });
    parser.addPositionalArgument(tr("command"), tr("check, update, restore, history, pending or release"));
    parser.addOptions({
        {QStringLiteral("allow-downgrade"), tr("update: write even where the instrument holds newer firmware.")},
        {QStringLiteral("model"), tr("restore: the model to bootstrap when nothing answers; "
                                     "history, pending: only this model's."),
         ModelTable::names(QStringLiteral("|"))},
        {QStringLiteral("firmware"), tr("check, update, restore, release: the release in this folder "
                                        "(relative to the working folder) rather than ./firmware or the "
                                        "installed one."),
         QStringLiteral("DIR")},
        {QStringLiteral("json"), tr("Print one JSON report on standard output at the end; the lines go "
                                    "to standard error. history, pending: the rows as JSON. release: what "
                                    "the release carries as JSON.")},
        {QStringLiteral("quiet"), tr("check, update, restore, release: print only the verdict line; reasons "
                                     "still go to standard error.")},
        {QStringLiteral("events"), tr("check, update, restore: standard output is a stream of JSON objects, one a "
                                      "line, as the run goes: its lines, steps, progress and stop notices, then "
                                      "the report --json prints.")},
        {QStringLiteral("serial"), tr("history: only this instrument's attempts."), QStringLiteral("N")},
        {QStringLiteral("since"), tr("history: only attempts started on this day (UTC) or later."),
         QStringLiteral("YYYY-MM-DD")},
        {QStringLiteral("csv"), tr("history: the attempts as CSV, a header row first.")},
        {QStringLiteral("discard"), tr("pending: let the record of this instrument's unfinished update go."),
         QStringLiteral("SERIAL")},
    });
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), exitCode);
    // This program has no Qt options to add to the help.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        showHelp();
        *exitCode = ExitDone;
        return false;
    }
    // Not Qt's showVersion(), which ends the process there and then.
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        *exitCode = ExitDone;
        return false;
    }
    const QStringList positional = parser.positionalArguments();
    command = positional.value(0);
    json = parser.isSet(QStringLiteral("json"));
    quiet = parser.isSet(QStringLiteral("quiet"));
    events = parser.isSet(QStringLiteral("events"));
    if (positional.size() != 1
        || !QStringList({"check", "update", "restore", "history", "pending", "release"}).contains(command))
        return usageError(tr("Expected one command: check, update, restore, history, pending or release (see "
                             "--help)."),
                          exitCode);
    if (!readReleaseFolder(exitCode))
        return false;
    if (quiet && (json || !readsRelease()))
        return usageError(tr("--quiet goes with check, update, restore and release, without --json."), exitCode);
    if (events && !checksInstrument())
        return usageError(tr("--events goes with check, update and restore only."), exitCode);
    // Both would print the report; where the lines go they disagree.
    if (events && json)
        return usageError(tr("--events and --json do not go together: the events end with the report --json "
                             "prints."),
                          exitCode);
    // The stream carries the verdict already, as an object of its own.
    if (events && quiet)
        return usageError(tr("--events and --quiet do not go together: the events carry the verdict."), exitCode);
    if (command != QLatin1String("pending") && parser.isSet(QStringLiteral("discard")))
        return usageError(tr("--discard goes with pending only."), exitCode);
    if (command != QLatin1String("history")
        && (parser.isSet(QStringLiteral("serial")) || parser.isSet(QStringLiteral("since"))
            || parser.isSet(QStringLiteral("csv"))))
        return usageError(tr("--serial, --since and --csv go with history only."), exitCode);
    const QString serial = parser.value(QStringLiteral("serial"));
    if (parser.isSet(QStringLiteral("serial")) && !isSerialNumber(serial))
        return usageError(tr("--serial: expected a serial number above 0, not %1.").arg(serial), exitCode);
    return true;
}

bool CommandLine::checksInstrument() const
{
    return QStringList({"check", "update", "restore"}).contains(command);
}

bool CommandLine::readsRelease() const
{
    return checksInstrument() || command == QLatin1String("release");
}

// Made absolute at once: a write makes its private folder the working one.
bool CommandLine::readReleaseFolder(int* exitCode)
{
    if (!parser.isSet(QStringLiteral("firmware")))
        return true;
    if (!readsRelease())
        return usageError(tr("--firmware goes with check, update, restore and release."), exitCode);
    const QString named = parser.value(QStringLiteral("firmware"));
    if (named.isEmpty())
        return usageError(tr("--firmware: expected the release's folder."), exitCode);
    releaseFolder = QDir::cleanPath(QDir::current().absoluteFilePath(named));
    return true;
}

bool CommandLine::usageError(const QString& line, int* exitCode)
{
    printError(line);
    *exitCode = ExitUsage;
    return false;
}

// Qt's help names the program by the path it was started with; the usage
// line, in whatever language Qt words it, names it as a user types it.
void CommandLine::showHelp() const
{
    QString help = parser.helpText();
    const QString startedAs = QCoreApplication::arguments().value(0);
    const int at = help.indexOf(startedAs);
    if (!startedAs.isEmpty() && at >= 0 && at < help.indexOf(QLatin1Char('\n')))
        help.replace(at, startedAs.size(), QLatin1String(programName));
    std::fputs(qPrintable(help), stdout);
}

bool CommandLine::readModel(int* exitCode)
{
    if (!parser.isSet(QStringLiteral("model")))
        return true;
    const QString name = parser.value(QStringLiteral("model"));
    const int type = deviceTypeNamed(name);
    if (type >= 0) {
        model = type;
        return true;
    }
    return usageError(tr("--model: expected one of %1, not %2.").arg(ModelTable::names(QStringLiteral(", ")), name),
                      exitCode);
}

void CommandLine::printJson(const UpdaterSession& session) const
{
    const QJsonObject report = session.finishReport();
    std::fputs(QJsonDocument(report).toJson(QJsonDocument::Indented).constData(), stdout);
    std::fflush(stdout);
}
