#include "workflows/FirmwareWriterThread.h"

#include "workflows/ImageCheck.h"

FirmwareWriterThread::FirmwareWriterThread()
    : QThread(nullptr)
{
}

bool FirmwareWriterThread::imagesUsable(const std::vector<std::string>& imagePaths)
{
    return ImageCheck([this](const QString& line) { emit addLine(line); }).passes(imagePaths);
}

bool FirmwareWriterThread::failed(int status, const QString& line)
{
    if (status == 0)
        return false;
    emit addLine(line);
    return true;
}
