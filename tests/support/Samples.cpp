#include "tests/support/Samples.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ModelTable.h"

UpdateAttempt sampleAttempt()
{
    UpdateAttempt attempt = UpdateAttempt::onThisMachine();
    attempt.started = QDateTime::currentDateTimeUtc();
    attempt.action = QStringLiteral("update");
    attempt.model = QStringLiteral("RZ610R");
    attempt.serial = 12345;
    attempt.versionBefore = QStringLiteral("4.5.9");
    attempt.versionTarget = ModelTable::named(attempt.model)->target.versionString();
    attempt.components = QStringList{QStringLiteral("fpga")};
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
