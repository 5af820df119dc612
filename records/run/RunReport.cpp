#include "records/run/RunReport.h"

#include "catalogue/OperatorText.h"
#include "catalogue/Catalogue.h"
#include "families/CallBudget.h"

#include <QJsonArray>

namespace {

const char* const outcomeNames[] = {"done", "refused", "nothing found", "failed", "cancelled", "stopped answering"};

QJsonValue versionOrNull(const FirmwareVersion& version, bool known)
{
    return known ? QJsonValue(version.versionString()) : QJsonValue();
}

QJsonValue textOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

// The release the check read, whatever became of it: a refusal names the
// key to look up, and whether it is unknown or revoked.
QJsonObject releaseOf(const SignedRelease& release)
{
    const bool verified = release.verdict() == SignedRelease::Verdict::Verified;
    return QJsonObject{
        {"folder", release.folder()},
        {"signature", release.verdictName()},
        {"key", textOrNull(release.keyId())},
        {"keyStatus", textOrNull(release.keyStatus())},
        {"comment", verified ? QJsonValue(release.comment()) : QJsonValue()},
    };
}

// RFC 3339 in UTC, to the second: "2026-12-07T14:03:22Z".
QString utcTime(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODate);
}

} // namespace

RunReport::RunReport(const QString& command, const QString& replayed)
    : command(command), replayed(replayed), started(QDateTime::currentDateTimeUtc())
{
}

void RunReport::setFound(const DeviceState& state, const std::optional<SignedRelease>& signedRelease)
{
    found = state;
    release = signedRelease;
}

void RunReport::setWrite(qint64 id, bool succeeded)
{
    attemptId = id;
    written = succeeded;
}

// Every way a run can end badly notes its reason; should one ever not, a
// script still gets a reason rather than a null it would take for success.
OperatorText RunReport::reason(FlowOutcome outcome) const
{
    if (outcome == FlowOutcome::Done)
        return OperatorText();
    if (!reasonLine.isEmpty())
        return reasonLine;
    return OperatorText::tr("The %1 ended as %2; the log says why.").arg(command).arg(QString::fromLatin1(outcomeNames[int(outcome)]));
}

namespace {

constexpr int formatVersion = 1;

} // namespace

QJsonObject RunReport::finish(FlowOutcome outcome, int exitCode, const QString& logFile, const QString& library,
                              const QStringList& lines) const
{
    const QDateTime finished = QDateTime::currentDateTimeUtc();
    const bool identified = found.status != NotDetected;
    const bool versionsRead = found.status == Operational;
    return QJsonObject{
        // Raised when a field changes its meaning or goes; fields may be
        // added without it.
        {"format", formatVersion},
        {"command", command},
        {"outcome", QString::fromLatin1(outcomeNames[int(outcome)])},
        {"exitCode", exitCode},
        {"reason", textOrNull(reason(outcome).english())},
        {"started", utcTime(started)},
        {"finished", utcTime(finished)},
        {"model", identified ? QJsonValue(deviceTypeName(found.deviceType)) : QJsonValue()},
        {"serial", identified ? QJsonValue(found.serialNumber) : QJsonValue()},
        {"firmwareBefore", versionOrNull(found.currentVersion, versionsRead)},
        // Only what is known: the target once written, the same firmware when
        // nothing was written, nothing after a write that failed or never
        // returned.
        {"firmwareAfter", written ? QJsonValue(found.targetVersion.versionString())
                                  : versionOrNull(found.currentVersion, versionsRead && outcome != FlowOutcome::Failed
                                                                            && outcome != FlowOutcome::Stalled)},
        {"target", versionOrNull(found.targetVersion, identified && isKnownDeviceType(found.deviceType))},
        // True only after a successful write: a script can tell an update
        // from an instrument that was already current.
        {"written", written},
        // True once any component was erased, even when its write then
        // failed: the instrument was changed.
        {"erased", erased},
        {"logFile", textOrNull(logFile)},
        {"release", release ? QJsonValue(releaseOf(*release)) : QJsonValue()},
        {"lines", QJsonArray::fromStringList(lines)},
        // The history's row of the write, for `history` and the window.
        {"attemptId", attemptId ? QJsonValue(attemptId) : QJsonValue()},
        {"libraryVersion", textOrNull(library)},
        // A rehearsal's recording: nothing of it happened to an instrument.
        {"replay", textOrNull(replayed)},
        // What every call's estimate and time allowed were multiplied by.
        {"stallScale", CallBudget::scale()},
    };
}
