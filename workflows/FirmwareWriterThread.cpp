#include "workflows/FirmwareWriterThread.h"

#include "workflows/PendingUpdate.h"

FirmwareWriterThread::FirmwareWriterThread()
    : QThread(nullptr), images([this](const QString& line) { emit addLine(line); })
{
}

bool FirmwareWriterThread::writeComponents(std::vector<WriteStep> steps, int& handle,
                                           const std::function<bool(int&)>& open)
{
    unskipUnfinished(steps);
    erased = false;
    return imagesUsable(steps) && open(handle) && recordPending(steps) && writeAll(handle, steps);
}

bool FirmwareWriterThread::imagesUsable(const std::vector<WriteStep>& steps)
{
    std::vector<std::string> paths;
    for (const WriteStep& step : steps) {
        if (!step.skipped)
            paths.push_back(step.image);
    }
    refused = !images.passes(paths);
    return !refused;
}

bool FirmwareWriterThread::imageUnchanged(const WriteStep& step)
{
    if (images.stillMatches(step.image))
        return true;
    refused = !erased;
    return false;
}

void FirmwareWriterThread::unskipUnfinished(std::vector<WriteStep>& steps) const
{
    const QStringList unfinished = PendingUpdate(state.deviceType, state.serialNumber).components();
    for (WriteStep& step : steps) {
        if (unfinished.contains(step.component) || unfinished.contains(QStringLiteral("all")))
            step.skipped = false;
    }
}

bool FirmwareWriterThread::recordPending(const std::vector<WriteStep>& steps)
{
    QStringList components;
    for (const WriteStep& step : steps) {
        if (!step.skipped)
            components << step.component;
    }
    QString reason;
    if (components.isEmpty()
        || PendingUpdate(state.deviceType, state.serialNumber)
               .write(components, state.targetVersion.versionString(), &reason))
        return true;
    emit addLine(QStringLiteral("Cannot record the update before writing: ") + reason);
    refused = true;
    return false;
}

bool FirmwareWriterThread::writeAll(int handle, const std::vector<WriteStep>& steps)
{
    for (const WriteStep& step : steps) {
        if (!write(handle, step))
            return false;
    }
    return true;
}

bool FirmwareWriterThread::write(int handle, const WriteStep& step)
{
    if (step.skipped) {
        emitAndPause(step.skipLine);
        return true;
    }
    // Taken again before the erase, so that a changed image leaves the
    // component as it was, and after it, since the library reads the file
    // only when told to write it, minutes after the check.
    if (!imageUnchanged(step))
        return false;
    emit addLine(step.announce);
    double* percent = step.showsProgress ? progress.begin() : nullptr;
    erased = true;
    const bool written = !failed(step.clear(handle, percent), step.clearFailed) && imageUnchanged(step)
                         && !failed(step.write(handle, step.image.c_str(), percent), step.writeFailed);
    if (step.showsProgress)
        progress.end();
    return written;
}

bool FirmwareWriterThread::failed(int status, const QString& line)
{
    if (status == 0)
        return false;
    emit addLine(line);
    return true;
}

void FirmwareWriterThread::emitAndPause(const QString& line)
{
    emit addLine(line);
    QThread::msleep(32);
}
