#include "workflows/workers/WorkerRunner.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

void WorkerRunner::run(QThread& worker, QObject* lineReceiver, const std::function<void()>& onTick)
{
    QEventLoop loop;
    QTimer ticker;
    if (onTick) {
        QObject::connect(&ticker, &QTimer::timeout, onTick);
        ticker.start(100);
    }
    // finished() comes from the worker's thread, so quit() is queued and
    // reaches the loop even if the worker ends before exec() starts.
    QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker.start(QThread::InheritPriority);
    loop.exec();
    // finished() is emitted just before the thread is marked finished.
    worker.wait();
    ticker.stop();
    if (onTick)
        onTick();
    // Lines are queued calls on the receiver; deliver the last ones now so
    // the caller's report never lands before them.
    QCoreApplication::sendPostedEvents(lineReceiver, QEvent::MetaCall);
}
