#include "workflows/FirmwareWriteFlow.h"

#include "ui/PLProgressDialog.h"
#include "ui/Updater.h"
#include "ui/WorkerRunner.h"
#include "workflows/FirmwareWriterThread.h"
#include "workflows/SleepInhibitor.h"

#include <QColor>

FirmwareWriteFlow::FirmwareWriteFlow(Updater& panel, const QString& heading, const QString& busyText)
    : panel(panel), heading(heading), busyText(busyText)
{
}

void FirmwareWriteFlow::run(FirmwareWriterThread& worker)
{
    panel.appendHeading(heading);
    PLProgressDialog busy(busyText);
    busy.show();
    worker.state = panel.deviceState;
    QObject::connect(&worker, SIGNAL(addLine(QString)), &panel, SLOT(addLine(QString)));
    {
        // Suspending while an image is written could leave the instrument unusable.
        const SleepInhibitor noSleep;
        WorkerRunner::run(worker, &panel, [&] { busy.showPercent(worker.progress.percent()); });
    }
    reportVerdict(worker.success);
    panel.disableButtons();
}

void FirmwareWriteFlow::reportVerdict(bool success)
{
    if (success) {
        panel.appendColoured(QStringLiteral("Firmware updated successfully."), QColor(34, 177, 76, 255));
    } else {
        panel.appendColoured(QStringLiteral("Firmware updated unsuccessfully."), QColor(Qt::red));
        panel.addLine(QStringLiteral("Check device connections and re-run the software."));
        panel.addLine(QStringLiteral("If problem persists, contact Pellanor."));
    }
    panel.addLine(QStringLiteral("You may now close the software."));
}
