#include "cli/CommandLine.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ModelTable.h"
#include "cli/HistoryCommand.h"
#include "cli/TerminalFrontEnd.h"
#include "host/UpdaterLock.h"
#include "host/WriteGuard.h"

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
    UpdaterSession session(*terminal);
    UpdaterLock lock;
    if (lock.acquire()) {
        terminal->begin(arguments.mid(1).join(QLatin1Char(' ')));
        session.run(command == QLatin1String("update")    ? UpdaterSession::Command::Update
                    : command == QLatin1String("restore") ? UpdaterSession::Command::Restore
                                                          : UpdaterSession::Command::Check);
    } else {
        session.refuse(lock.errorLine());
    }
    if (json)
        printJson(session);
    return session.exitCode();
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

void CommandLine::printJson(const UpdaterSession& session) const
{
    const QJsonObject report = session.report(command, terminal->writtenLines());
    std::fputs(QJsonDocument(report).toJson(QJsonDocument::Indented).constData(), stdout);
    std::fflush(stdout);
}
