#ifndef UPDATEDEVICETHREAD_H
#define UPDATEDEVICETHREAD_H

#include "workflows/FirmwareWriterThread.h"

// Opens the instrument by its serial number and rewrites each component whose
// version differs from this release's, in the order boot, run, FPGA.
class UpdateDeviceThread : public FirmwareWriterThread
{
    Q_OBJECT

public:
    UpdateDeviceThread();

signals:
    void replaceLastLine(const QString& s);

protected:
    void run() override;

private:
    void updateUSBDevice();
    void updateNetDevice();
    std::vector<WriteStep> usbSteps() const;
    std::vector<WriteStep> netSteps() const;
};

#endif
