#include "workflows/FirmwareWriterThread.h"

#include <QFileInfo>

FirmwareWriterThread::FirmwareWriterThread()
    : QThread(nullptr)
{
}

bool FirmwareWriterThread::imagesPresent(const std::vector<std::string>& imagePaths)
{
    bool allPresent = true;
    for (const std::string& path : imagePaths) {
        const QString name = QString::fromLocal8Bit(path.c_str());
        const QFileInfo file(name);
        if (name.isEmpty() || !file.isFile() || !file.isReadable() || file.size() == 0) {
            emit addLine(QStringLiteral("Missing firmware image: ") + name);
            allPresent = false;
        }
    }
    return allPresent;
}

bool FirmwareWriterThread::failed(int status, const QString& line)
{
    if (status == 0)
        return false;
    emit addLine(line);
    return true;
}
