// What the updater costs against a bare Qt program doing the same visible
// work, measured in one run by bench/run.sh.
//
//   updater_bench startup updater|bare    ms to the first paint of the window, peak KiB
//   updater_bench fpga updater|bare       CPU share and worst lateness of a 10 ms timer
//                                         while a 5 s FPGA write runs (bare: a busy bar)
//   updater_bench lines updater|bare      ms for 10,000 worker lines to reach the log
//   updater_bench verify KEYS             ms to verify the release's signature and the
//                                         images of a full RZ610S update, each taken three
//                                         times as an update does (KEYS: the trusted keys);
//                                         prints nothing and exits 1 when they do not verify
//
// "fpga updater" expects a simulated RZ610R needing only an FPGA write in the
// working folder, with this release's images under firmware/.

#include "catalogue/OperatorText.h"
#include "app/MainWindow.h"
#include "app/StartupEnvironment.h"
#include "catalogue/Catalogue.h"
#include "catalogue/release/TrustedKeys.h"
#include "ui/Updater.h"
#include "workflows/checks/ImageCheck.h"
#include "records/run/RunRecord.h"
#include "workflows/workers/LineRelay.h"
#include "workflows/workers/WorkerRunner.h"

#include <QApplication>
#include <QBoxLayout>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextEdit>
#include <QThread>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace {

QElapsedTimer sinceStart;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The same widgets as the updater's window, with the banner's lines.
QMainWindow* bareWindow()
{
    auto* window = new QMainWindow;
    auto* panel = new QWidget;
    auto* outer = new QHBoxLayout(panel);
    auto* log = new QTextEdit;
    log->setReadOnly(true);
    auto* buttons = new QVBoxLayout;
    for (const char* label : {"  Check Versions  ", "  Update  ", "  Restore  "})
        buttons->addWidget(new QPushButton(label));
    buttons->addStretch();
    outer->addWidget(log);
    outer->addLayout(buttons);
    for (int line = 0; line < 15; ++line)
        log->append(QStringLiteral("A line of the banner, about as long as the updater's own ones."));
    window->setCentralWidget(panel);
    window->resize(800, 400);
    return window;
}

class FirstPaint : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported) {
            reported = true;
            QTimer::singleShot(0, [] {
                std::printf("%lld %ld\n", sinceStart.elapsed(), peakKiB());
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported = false;
};

int startup(bool updater)
{
    QWidget* window = updater ? static_cast<QWidget*>(new MainWindow(nullptr)) : bareWindow();
    FirstPaint watcher;
    window->installEventFilter(&watcher);
    for (QWidget* child : window->findChildren<QWidget*>())
        child->installEventFilter(&watcher);
    window->show();
    const int result = QApplication::exec();
    delete window;
    return result;
}

QPushButton* button(QWidget* window, const char* text)
{
    for (QPushButton* candidate : window->findChildren<QPushButton*>()) {
        if (candidate->text() == QLatin1String(text))
            return candidate;
    }
    return nullptr;
}

int fpga(bool updater)
{
    qint64 worstLateness = 0;
    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        worstLateness = qMax(worstLateness, sinceTick.restart() - 10);
    });
    MainWindow window(nullptr);
    window.show();
    if (updater)
        button(&window, "  Check Versions  ")->click();
    QElapsedTimer wall;
    const double cpuBefore = cpuSeconds();
    wall.start();
    sinceTick.start();
    tick.start(10);
    if (updater) {
        button(&window, "  Update  ")->click();
    } else {
        const QString label = "Updating Device\nDO NOT UNPLUG THE DEVICE\n"
                              "This process can take several minutes\nPlease Wait...";
        QProgressDialog busy(label, QString(), 0, 0);
        busy.setModal(true);
        busy.resize(busy.fontMetrics().horizontalAdvance(label) + 100, busy.fontMetrics().height());
        busy.show();
        QEventLoop wait;
        QTimer::singleShot(5000, &wait, &QEventLoop::quit);
        wait.exec();
    }
    std::printf("%.4f %lld\n", (cpuSeconds() - cpuBefore) / (wall.elapsed() / 1000.0), worstLateness);
    return 0;
}

// Says its lines as the updater's workers do: texts, turned into words
// where they are kept and shown.
class LineWorker : public QThread
{
    Q_OBJECT

signals:
    void updateText(const OperatorText& s);

protected:
    void run() override
    {
        for (int i = 0; i < 10000; ++i)
            emit updateText(OperatorText::verbatim(QStringLiteral("Worker line %1").arg(i)));
    }
};

// The same lines as a bare program says them.
class BareLineWorker : public QThread
{
    Q_OBJECT

signals:
    void updateText(const QString& s);

protected:
    void run() override
    {
        for (int i = 0; i < 10000; ++i)
            emit updateText(QStringLiteral("Worker line %1").arg(i));
    }
};

int lines(bool updater)
{
    QElapsedTimer wall;
    if (updater) {
        Updater panel;
        panel.show();
        LineWorker worker;
        // As the check, update and restore connect their workers: through
        // a run's record, which keeps the lines in a session log, to the
        // panel.
        RunRecord record(panel, QStringLiteral("bench"));
        record.begin(false, QStringLiteral("bench"));
        LineRelay relay(record);
        QObject::connect(&worker, &LineWorker::updateText, &relay, &LineRelay::updateText);
        wall.start();
        WorkerRunner::run(worker, &relay);
    } else {
        QTextEdit log;
        log.show();
        BareLineWorker worker;
        QObject::connect(&worker, &BareLineWorker::updateText, &log, &QTextEdit::append);
        QEventLoop wait;
        int received = 0;
        QObject::connect(&worker, &BareLineWorker::updateText, &wait, [&] {
            if (++received == 10000)
                wait.quit();
        });
        wall.start();
        worker.start();
        wait.exec();
        worker.wait();
    }
    std::printf("%lld\n", wall.elapsed());
    return 0;
}

// What an update costs to verify: the signature, and every image read once,
// hashed and copied where only the updater can change it.
int verify(const QString& keys)
{
    const TrustedKeys::Replacement trusted({{keys}, {}});
    const FirmwareVersion release = targetVersion(1); // RZ610S
    const std::vector<std::string> images = {release.bootImagePath(), release.runImagePath(),
                                             release.fpgaImagePath()};
    QElapsedTimer wall;
    wall.start();
    ImageCheck check([](const OperatorText& line) { std::fprintf(stderr, "%s\n", qPrintable(line.english())); });
    const bool verified = check.passes(images);
    // A refusal stops early; its time would pass for a fast verification.
    if (!verified)
        return 1;
    std::printf("%.3f\n", wall.nsecsElapsed() / 1e6);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    sinceStart.start();
    // As the updater's own main() does; the bare program keeps Qt's default.
    if (argc > 2 && std::strcmp(argv[2], "bare") != 0)
        StartupEnvironment::skipOpenGlIntegration();
    QApplication application(argc, argv);
    const QString what = application.arguments().value(1);
    const bool updater = application.arguments().value(2) != QLatin1String("bare");
    if (what == "startup")
        return startup(updater);
    if (what == "fpga")
        return fpga(updater);
    if (what == "lines")
        return lines(updater);
    if (what == "verify")
        return verify(application.arguments().value(2));
    std::fprintf(stderr, "usage: updater_bench startup|fpga|lines updater|bare, or verify KEYS\n");
    return 2;
}

#include "UpdaterBench.moc"
