#include "workflows/FirmwareWriterThread.h"

#include "workflows/ImageCheck.h"

FirmwareWriterThread::FirmwareWriterThread()
    : QThread(nullptr)
{
}

bool FirmwareWriterThread::imagesUsable(const std::vector<WriteStep>& steps)
{
    std::vector<std::string> images;
    for (const WriteStep& step : steps) {
        if (!step.skipped)
            images.push_back(step.image);
    }
    refused = !ImageCheck([this](const QString& line) { emit addLine(line); }).passes(images);
    return !refused;
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
    emit addLine(step.announce);
    double* percent = step.showsProgress ? progress.begin() : nullptr;
    const bool written = !failed(step.clear(handle, percent), step.clearFailed)
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
