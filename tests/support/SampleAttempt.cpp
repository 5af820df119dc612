#include "tests/support/SampleAttempt.h"

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
