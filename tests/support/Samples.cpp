#include "tests/support/Samples.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ModelTable.h"

UpdateAttempt sampleAttempt()
{
    const QString model = QStringLiteral("RZ610R");
    UpdateAttempt attempt = UpdateAttempt::updateStartedNow(model, 12345, ModelTable::named(model)->target.versionString(),
                                                            QStringLiteral("fpga"));
    attempt.versionBefore = QStringLiteral("4.5.9");
    return attempt;
}

DeviceState sampleInstrument(int deviceType, const FirmwareVersion& current)
{
    DeviceState state;
    state.status = Operational;
    state.serialNumber = 12345;
    state.deviceType = deviceType;
    state.currentVersion = current;
    state.targetVersion = targetVersion(deviceType);
    return state;
}
