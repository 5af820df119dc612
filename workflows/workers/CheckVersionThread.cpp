#include "workflows/workers/CheckVersionThread.h"

#include "families/DeviceFamily.h"
#include "families/LibraryThread.h"

CheckVersionThread::CheckVersionThread(const QString& releaseFolder)
    : QThread(nullptr), releaseCheck([this](const OperatorText& line) { refusal << line; }, releaseFolder)
{
}

CheckVersionThread::~CheckVersionThread() = default;

void CheckVersionThread::run()
{
    const auto say = [this](const OperatorText& line) { emit updateText(line); };
    const LibraryThread::Listener listener(say);
    found = DeviceFamily::detect(say);
    releaseCheck.releaseIsTrusted();
}
