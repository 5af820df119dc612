#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include "workflows/DeviceState.h"
#include "workflows/FrontEnd.h"
#include "workflows/RunReport.h"

#include <QCommandLineParser>
#include <QString>

#include <cstdio>
#include <memory>
#include <optional>

class TerminalFrontEnd;

// `rz-firmware-updater check | update | restore`: the window's flows for
// scripts and benches without a display, ending in an exit code a script can
// branch on; and `history`, the record of every update and restore.
class CommandLine
{
public:
    enum ExitCode {
        ExitDone = 0,            // up to date, or written successfully
        ExitFailed = 1,          // a write or a query failed
        ExitUsage = 2,           // bad usage
        ExitNothingFound = 3,    // no instrument answered
        ExitRefused = 4,         // stopped before anything was written
        ExitUpdateAvailable = 10, // check: an update is offered
        ExitRestoreNeeded = 11,  // check: a restore is offered
        // 128 + a signal's number: asked to stop while firmware was written
    };

    CommandLine();
    ~CommandLine();

    // True when the arguments ask for the command line rather than the window.
    static bool wanted(int argc, char* argv[]);

    int run(const QStringList& arguments);

private:
    bool parse(const QStringList& arguments, int* exitCode);
    static bool usageError(const QString& line, int* exitCode);
    void showHelp() const;
    bool readModel(std::optional<int>* model, int* exitCode);
    int runCommand();
    int check();
    int update();
    int restore();
    std::optional<int> checkFirst();
    int write(FlowOutcome (*flow)(FrontEnd&, const DeviceState&, qint64*));
    int refuse(const QString& line);
    static int exitFor(FlowOutcome outcome);
    void printJson(int exitCode);

    QCommandLineParser parser;
    QString command;
    bool json = false;
    std::optional<RunReport> report; // before the terminal, which writes to it
    std::unique_ptr<TerminalFrontEnd> terminal;
    DeviceState found;
    FlowOutcome outcome = FlowOutcome::Done;
    int offered = FrontEnd::NoAction;
};

#endif
