#ifndef BOOTSTRAPTHREAD_H
#define BOOTSTRAPTHREAD_H

#include "catalogue/OperatorText.h"

#include <QString>
#include <QThread>

// Loads the boot image of the model the operator named into an instrument
// that answers nothing, then reads its serial number from flash. With real
// hardware this takes seconds, so it runs off the GUI thread.
class BootstrapThread : public QThread
{
    Q_OBJECT

public:
    // `releaseFolder`: the release the operator named, as ImageCheck takes it.
    BootstrapThread(int deviceType, const QString& releaseFolder);

    // Written by run(); read only once the thread has finished.
    bool succeeded() const { return bootstrapped; }
    int serialNumber() const { return serial; }

signals:
    void updateText(const OperatorText& s);

protected:
    void run() override;

private:
    const int deviceType;
    const QString releaseFolder;
    bool bootstrapped = false;
    int serial = 0;
};

#endif
