#ifndef CHECKVERSIONTHREAD_H
#define CHECKVERSIONTHREAD_H

#include "catalogue/OperatorText.h"

#include "catalogue/DeviceState.h"
#include "workflows/checks/ImageCheck.h"

#include <QStringList>
#include <QThread>

// Finds the one connected instrument and reads what the version check needs:
// first over the network family, then by the plain open of an operational
// USB instrument, then by the boot-mode open. Each way is tried once. Then
// checks the release's signature, here rather than on the thread that shows
// the window: its files are read, and whatever was put in their place must
// not hold up the window.
class CheckVersionThread : public QThread
{
    Q_OBJECT

public:
    // `releaseFolder`: the release the operator named, as ImageCheck takes it.
    explicit CheckVersionThread(const QString& releaseFolder = QString());
    ~CheckVersionThread() override;

    // Written by run(); read only once the thread has finished.
    const DeviceState& result() const { return found; }
    // Who signed the release, and the lines that refuse it when no trusted
    // key did.
    const ImageCheck& release() const { return releaseCheck; }
    const OperatorLines& releaseRefusal() const { return refusal; }

signals:
    void updateText(const OperatorText& s);

protected:
    void run() override;

private:
    DeviceState found;
    OperatorLines refusal;
    ImageCheck releaseCheck;
};

#endif
