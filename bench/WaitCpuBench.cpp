// CPU cost of waiting for a worker under the busy dialog.
//
//   wait_cpu_bench MODE SECONDS
//   MODE bare:    a plain QProgressDialog with a busy bar, shown for SECONDS
//   MODE updater: the updater's busy dialog while WorkerRunner waits for a
//                 worker that sleeps SECONDS
//   MODE spin:    the same, waiting by calling processEvents() without pause
//
// Prints "MODE cpu_seconds wall_seconds".

#include "ui/PLProgressDialog.h"
#include "workflows/workers/WorkerRunner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

class SleepingWorker : public QThread
{
public:
    explicit SleepingWorker(int milliseconds) : milliseconds(milliseconds) {}

protected:
    void run() override { QThread::msleep(milliseconds); }

private:
    int milliseconds;
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void waitBare(int milliseconds)
{
    const QString label = "Checking firmware version\nEstimated 30 seconds\nPlease Wait";
    QProgressDialog dialog(label, QString(), 0, 0);
    dialog.setModal(true);
    // The same size as the updater's dialog, so both paint the same bar.
    dialog.resize(dialog.fontMetrics().horizontalAdvance(label) + 100, dialog.fontMetrics().height());
    dialog.show();
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void waitUpdater(int milliseconds, bool spin)
{
    PLProgressDialog dialog("Checking firmware version\nEstimated 30 seconds\nPlease Wait");
    dialog.show();
    SleepingWorker worker(milliseconds);
    QObject receiver;
    if (!spin) {
        WorkerRunner::run(worker, &receiver);
        return;
    }
    worker.start();
    while (!worker.isFinished())
        QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QString mode = application.arguments().value(1, "updater");
    const int milliseconds = int(application.arguments().value(2, "5").toDouble() * 1000);
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    if (mode == "bare")
        waitBare(milliseconds);
    else
        waitUpdater(milliseconds, mode == "spin");
    std::printf("%s %.3f %.3f\n", qPrintable(mode), cpuSeconds() - cpuBefore, wall.elapsed() / 1000.0);
    return 0;
}
