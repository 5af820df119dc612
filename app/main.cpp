#include "app/MainWindow.h"
#include "app/StartRefusal.h"
#include "app/StartupEnvironment.h"
#include "app/Translations.h"
#include "catalogue/Catalogue.h"
#include "catalogue/OperatorText.h"
#include "cli/CommandLine.h"
#include "families/LibraryThread.h"
#include "host/UpdaterLock.h"
#include "workflows/flows/UpdaterSession.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace {

// Without a display QApplication aborts; say what to do instead.
bool displayAvailable()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
           || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

int runCommandLine(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rz-firmware-updater"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RZ_UPDATER_VERSION));
    Translations::install();
    const int exitCode = CommandLine().run(QCoreApplication::arguments());
    // Its records are complete; a call stuck in the device library is not
    // waited for.
    LibraryThread::endIfAbandoned(exitCode);
    return exitCode;
}

// Said in the operator's language, as the command line's usage errors are.
int refuseWithoutDisplay(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    Translations::install();
    std::fprintf(stderr, "rz-firmware-updater: %s\n",
                 qPrintable(CommandLine::tr("No display to open the window on; use a command instead: "
                                            "rz-firmware-updater check | update | restore (see --help).")));
    return CommandLine::ExitUsage;
}

int runWindow(int argc, char* argv[])
{
    StartupEnvironment::skipOpenGlIntegration();
    StartupEnvironment::scaleWithScreen();
    QApplication application(argc, argv);
    Translations::install();
    const OperatorText environmentProblem = UpdaterSession::environmentProblem();
    if (!environmentProblem.isEmpty()) {
        QMessageBox::warning(nullptr, MainWindow::tr("%1 Firmware Updater").arg(productLine()),
                             environmentProblem.translated());
        return CommandLine::ExitUsage;
    }
    // Before the window's first library call.
    UpdaterLock lock;
    if (!lock.acquire()) {
        StartRefusal::show(lock, MainWindow::tr("%1 Firmware Updater").arg(productLine()));
        return CommandLine::ExitRefused;
    }
    MainWindow window(nullptr);
    window.show();
    const int exitCode = QApplication::exec();
    // The window showed the verdict; a call stuck in the device library
    // is not waited for.
    LibraryThread::endIfAbandoned(exitCode);
    return exitCode;
}

} // namespace

int main(int argc, char* argv[])
{
    if (CommandLine::wanted(argc, argv))
        return runCommandLine(argc, argv);
    if (!displayAvailable())
        return refuseWithoutDisplay(argc, argv);
    return runWindow(argc, argv);
}
