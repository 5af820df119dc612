#include "workflows/workers/WritePlan.h"

#include "catalogue/Catalogue.h"
#include "catalogue/OperatorText.h"
#include "families/DeviceFamily.h"

WritePlan::WritePlan(Procedure procedure, const DeviceState& state, const DeviceFamily& family,
                     const QStringList& unfinished)
    : how(procedure), instrument(state), resuming(!unfinished.isEmpty()),
      finishes(family.finishCalls(procedure == Procedure::Restore))
{
    const Model* model = ModelTable::find(state.deviceType);
    if (!model)
        return;
    for (const ModelComponent& component : model->components) {
        // Only for a test's family: the updater refuses to start while a
        // component has no calls (DeviceFamily::unwrittenComponent).
        if (!family.component(component.name))
            continue;
        WriteStep row = stepFor(component.name, component.imagePath(state.targetVersion), family);
        row.skipped = procedure == Procedure::Update
                      && state.currentVersion.*component.version == state.targetVersion.*component.version
                      && !unfinished.contains(component.name) && !unfinished.contains(QStringLiteral("all"));
        rows.push_back(row);
    }
}

WriteStep WritePlan::stepFor(const QString& component, const std::string& image, const DeviceFamily& family) const
{
    const ComponentCalls& calls = *family.component(component);
    const bool update = how == Procedure::Update;
    WriteStep row;
    row.component = component;
    row.label = calls.label;
    row.image = image;
    row.serial = !update || calls.updatePassesSerial ? instrument.serialNumber : -1;
    row.estimate = update ? calls.updateEstimate : calls.restoreSeconds();
    row.budget = CallBudget::erasingBudget(row.estimate);
    row.showsProgress = calls.showsProgress;
    row.clearReason = OperatorText::tr("Failed clearing %1 of %2.").arg(calls.label).arg(instrumentName());
    row.writeReason = OperatorText::tr("Failed writing %1 of %2.").arg(calls.label).arg(instrumentName());
    if (update) {
        row.announce = calls.updateAnnounce();
        row.skipLine = calls.updateSkip();
        row.clearFailed = OperatorText::tr("Failed Clearing");
        row.writeFailed = OperatorText::tr("Failed Writing");
    } else {
        row.announce = calls.restoreAnnounce();
        row.clearFailed = calls.restoreClearFailed;
        row.writeFailed = calls.restoreWriteFailed();
    }
    return row;
}

QString WritePlan::instrumentName() const
{
    return ::instrumentName(instrument.deviceType, instrument.serialNumber);
}

QStringList WritePlan::written() const
{
    QStringList components;
    for (const WriteStep& step : rows) {
        if (!step.skipped)
            components << step.component;
    }
    return components;
}

std::optional<WritePlan::Call> WritePlan::clearOf(std::size_t index) const
{
    if (index >= rows.size() || rows[index].skipped)
        return std::nullopt;
    Call call = 0;
    for (std::size_t before = 0; before < index; ++before)
        call += rows[before].skipped ? 0 : 2;
    return call;
}

// The call under way is waited for until it returns or what is left of its
// budget runs out; each later call may take its whole budget.
WritePlan::Wait WritePlan::waitFrom(Call next, std::optional<CallBudget::Milliseconds> left) const
{
    Wait wait;
    Call call = 0;
    for (const WriteStep& step : rows) {
        if (step.skipped)
            continue;
        for (int half = 0; half < 2; ++half, ++call) {
            if (call < next)
                continue;
            if (wait.components.isEmpty() || wait.components.last() != step.label)
                wait.components << step.label;
            wait.atMost += call == next && left ? *left : CallBudget::scaled(step.budget);
        }
    }
    if (finishes && call >= next)
        wait.atMost += call == next && left ? *left : CallBudget::scaled(CallBudget::queryBudget());
    return wait;
}

// Only an operational instrument told its versions.
UpdateAttempt WritePlan::attempt() const
{
    UpdateAttempt described = UpdateAttempt::onThisMachine();
    described.action = how == Procedure::Update ? QStringLiteral("update") : QStringLiteral("restore");
    described.model = deviceTypeName(instrument.deviceType);
    described.serial = instrument.serialNumber;
    if (instrument.status == Operational)
        described.versionBefore = instrument.currentVersion.versionString();
    described.versionTarget = recordedVersion();
    described.components = written();
    return described;
}
