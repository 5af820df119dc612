#ifndef FIRMWAREWRITEFLOW_H
#define FIRMWAREWRITEFLOW_H

#include <QString>

class FirmwareWriterThread;
class Updater;

// "Update" and "Restore": run the writer under the busy dialog, showing the
// FPGA's progress while it is programmed, then give the verdict and disable
// the buttons, whatever the outcome; the log stays readable for a report.
class FirmwareWriteFlow
{
public:
    FirmwareWriteFlow(Updater& panel, const QString& heading, const QString& busyText);

    void run(FirmwareWriterThread& worker);

private:
    void reportVerdict(bool success);

    Updater& panel;
    QString heading;
    QString busyText;
};

#endif
