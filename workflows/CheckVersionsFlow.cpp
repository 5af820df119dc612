#include "workflows/CheckVersionsFlow.h"

#include "catalogue/Catalogue.h"
#include "device/rz_api.h"
#include "ui/DeviceSelectorDialog.h"
#include "ui/PLProgressDialog.h"
#include "ui/Updater.h"
#include "ui/WorkerRunner.h"
#include "workflows/BootstrapThread.h"
#include "workflows/CheckVersionThread.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>

CheckVersionsFlow::CheckVersionsFlow(Updater& panel)
    : panel(panel)
{
}

void CheckVersionsFlow::run()
{
    panel.appendHeading(QStringLiteral("Checking Firmware Versions..."));
    panel.checkButton->setEnabled(false);
    detect();
    if (panel.deviceState.status == NotDetected && !bootstrap())
        return;
    report();
}

void CheckVersionsFlow::detect()
{
    PLProgressDialog busy(QStringLiteral("Checking firmware version\nEstimated 30 seconds\nPlease Wait"));
    busy.show();
    CheckVersionThread worker;
    QObject::connect(&worker, SIGNAL(updateText(QString)), &panel, SLOT(addLine(QString)));
    WorkerRunner::run(worker, &panel);
    busy.hide();
    panel.deviceState = worker.result();
}

bool CheckVersionsFlow::bootstrap()
{
    panel.addLine(QStringLiteral("Failed to open boot device."));
    panel.addLine(QStringLiteral("Looking to bootstrap device."));
    DeviceSelectorDialog selector(nullptr);
    const bool answered = selector.exec() == QDialog::Accepted;
    // Closing the selector without a button is a Cancel too: bootstrapping a
    // model the operator never named could load the wrong boot image.
    if (!answered || selector.cancelled) {
        QCoreApplication::exit(0);
        return false;
    }
    return bootstrapAs(selector.deviceType);
}

bool CheckVersionsFlow::bootstrapAs(int deviceType)
{
    DeviceState& state = panel.deviceState;
    state.deviceType = static_cast<RzDeviceType>(deviceType);
    state.targetVersion = targetVersion(deviceType);
    PLProgressDialog busy(QStringLiteral("Bootstrapping Device\nPlease Wait..."));
    busy.show();
    BootstrapThread worker(deviceType);
    QObject::connect(&worker, SIGNAL(addLine(QString)), &panel, SLOT(addLine(QString)));
    WorkerRunner::run(worker, &panel);
    busy.hide();
    state.serialNumber = worker.serialNumber();
    if (worker.succeeded())
        state.status = NeedsRestore;
    return true;
}

void CheckVersionsFlow::report()
{
    const DeviceState& state = panel.deviceState;
    if (state.status == NotDetected) {
        panel.addLine(QStringLiteral("Failed to detect device."));
        panel.addLine(QStringLiteral(
            "Cycle the power on the device, restart the firmware updater,  and try again."));
        panel.addLine(QStringLiteral("If you continue to receive this message, contact Pellanor."));
    } else if (state.status == NeedsRestore) {
        panel.addLine(QStringLiteral("Attempting to bootstrap firmware."));
        panel.addLine(QString::asprintf("Found serial %d", state.serialNumber));
        panel.addLine(QStringLiteral("Firmware can now be restored."));
        panel.addLine(QStringLiteral("Press Restore to continue."));
        panel.restoreButton->setEnabled(true);
    } else {
        reportOperational();
    }
}

void CheckVersionsFlow::reportOperational()
{
    const DeviceState& state = panel.deviceState;
    panel.addLine(QStringLiteral("Found ") + deviceTypeName(state.deviceType));
    panel.addLine(QString::asprintf("Serial %d, with firmware ", state.serialNumber)
                  + state.currentVersion.versionString());
    // Nothing can be written to a model this release has no images for.
    if (!isKnownDeviceType(state.deviceType)) {
        panel.addLine(QStringLiteral("This release has no firmware for this device type."));
        return;
    }
    giveVerdict();
}

// Component by component: one newer component is enough to ask before a
// downgrade, even when another one is older.
void CheckVersionsFlow::giveVerdict()
{
    const FirmwareVersion& current = panel.deviceState.currentVersion;
    const FirmwareVersion& target = panel.deviceState.targetVersion;
    if (target.bootVersion < current.bootVersion || target.runVersion < current.runVersion
        || target.fpgaVersion < current.fpgaVersion) {
        askAboutDowngrade();
    } else if (target.bootVersion > current.bootVersion || target.runVersion > current.runVersion
               || target.fpgaVersion > current.fpgaVersion) {
        panel.addLine(QStringLiteral("Firmware requires update."));
        panel.addLine(QStringLiteral("Press Update to continue."));
        panel.updateButton->setEnabled(true);
    } else {
        panel.addLine(QStringLiteral("Firmware does not require update."));
    }
}

void CheckVersionsFlow::askAboutDowngrade()
{
    const QMessageBox::StandardButton answer = QMessageBox::question(
        &panel, QStringLiteral("Warning"),
        QStringLiteral("Your device appears to have a newer firmware version.\n"
                       "Installing this will overwrite your firmware with an older version.\n"
                       "Are you sure you wish to continue?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answer == QMessageBox::Yes) {
        panel.updateButton->setEnabled(true);
        panel.addLine(QStringLiteral("Firmware can now be updated."));
        panel.addLine(QStringLiteral("Press Update to continue."));
    } else {
        panel.addLine(QStringLiteral("Cancelling operation."));
    }
}
