#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include "workflows/flows/UpdaterSession.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <memory>
#include <optional>

class HistoryCommand;
class PendingCommand;
class TerminalFrontEnd;

// `rz-firmware-updater check | update | restore`: the window's work for
// scripts and benches without a display, on a terminal, ending in an exit
// code a script can branch on; and `history`, the record of every update
// and restore; and `pending`, the updates that did not finish; and
// `release`, what the release carries.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

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

    // The arguments and the environment, checked before any work: true when
    // the command may run. Else false with the exit code, once --help or
    // --version was printed, or a line on standard error said what is
    // wrong. Opens no instrument, lock, file or window.
    bool validate(const QStringList& arguments, int* exitCode);
    // The command validate() accepted.
    QString chosenCommand() const { return command; }

private:
    bool parse(const QStringList& arguments, int* exitCode);
    static bool usageError(const QString& line, int* exitCode);
    void showHelp() const;
    bool readModel(int* exitCode);
    bool readReleaseFolder(int* exitCode);
    // check, update and restore, which look for an instrument; they and
    // release read a release.
    bool checksInstrument() const;
    bool readsRelease() const;
    void printJson(const UpdaterSession& session) const;

    QCommandLineParser parser;
    QString command;
    bool json = false;
    bool quiet = false;
    QString releaseFolder; // absolute; empty to search
    bool events = false;
    std::optional<int> model;
    std::unique_ptr<HistoryCommand> history;
    std::unique_ptr<PendingCommand> pending;
    std::unique_ptr<TerminalFrontEnd> terminal;
};

#endif
