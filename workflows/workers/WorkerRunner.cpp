#include "workflows/workers/WorkerRunner.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QThread>

void WorkerRunner::run(QThread& worker, QObject* lineReceiver)
{
    QEventLoop loop;
    // finished() comes from the worker's thread, so quit() is queued and
    // reaches the loop even if the worker ends before exec() starts.
    QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker.start(QThread::InheritPriority);
    loop.exec();
    // finished() is emitted just before the thread is marked finished.
    worker.wait();
    // Lines are queued calls on the receiver; deliver the last ones now so
    // the caller's report never lands before them.
    QCoreApplication::sendPostedEvents(lineReceiver, QEvent::MetaCall);
}
