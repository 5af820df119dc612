#ifndef WORKERRUNNER_H
#define WORKERRUNNER_H

class QObject;
class QThread;

// Runs a worker thread to its end while the event loop keeps turning, the
// way every operation runs, in the window and on the command line.
class WorkerRunner
{
public:
    // Starts the worker and waits, without spinning, until it has finished.
    // On return the worker's results may be read and every line it emitted
    // towards lineReceiver has been delivered, in the order emitted.
    static void run(QThread& worker, QObject* lineReceiver);
};

#endif
