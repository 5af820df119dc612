#ifndef CHECKVERSIONTHREAD_H
#define CHECKVERSIONTHREAD_H

#include "families/DeviceState.h"

#include <QThread>

// Finds the one connected instrument and reads what the version check needs:
// first over the network family, then by the plain open of an operational
// USB instrument, then by the boot-mode open. Each way is tried once.
class CheckVersionThread : public QThread
{
    Q_OBJECT

public:
    CheckVersionThread();
    ~CheckVersionThread() override;

    // Written by run(); read only once the thread has finished.
    const DeviceState& result() const { return found; }

signals:
    void updateText(const QString& s);

protected:
    void run() override;

private:
    DeviceState found;
};

#endif
