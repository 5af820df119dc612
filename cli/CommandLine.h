#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include "workflows/RunReport.h"
#include "workflows/UpdaterSession.h"

#include <QCommandLineParser>
#include <QString>

#include <cstdio>
#include <memory>
#include <optional>

class TerminalFrontEnd;

// `rz-firmware-updater check | update | restore`: the window's work for
// scripts and benches without a display, on a terminal, ending in an exit
// code a script can branch on; and `history`, the record of every update
// and restore.
class CommandLine
{
public:
    // The updater's exit codes, the same whatever runs the work.
    using ExitCode = UpdaterSession::ExitCode;
    static constexpr ExitCode ExitDone = UpdaterSession::ExitDone;
    static constexpr ExitCode ExitFailed = UpdaterSession::ExitFailed;
    static constexpr ExitCode ExitUsage = UpdaterSession::ExitUsage;
    static constexpr ExitCode ExitRefused = UpdaterSession::ExitRefused;

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
    void printJson(UpdaterSession& session) const;

    QCommandLineParser parser;
    QString command;
    bool json = false;
    std::optional<RunReport> report; // before the terminal, which writes to it
    std::unique_ptr<TerminalFrontEnd> terminal;
};

#endif
