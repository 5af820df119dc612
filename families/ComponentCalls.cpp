#include "families/ComponentCalls.h"

#include "families/LibraryThread.h"

// The row's calls are copied into the call: it owns all it touches.
int ComponentCalls::timedClear(int handle, const Progress& progress, Seconds announced) const
{
    return LibraryThread::run(CallBudget::erasing(OperatorText::tr("clearing %1").arg(label), announced),
                              [clear = clear, handle, progress] { return clear(handle, progress.get()); }, progress);
}

int ComponentCalls::timedWrite(int handle, const std::string& image, int serial, const Progress& progress,
                               Seconds announced) const
{
    return LibraryThread::run(CallBudget::erasing(OperatorText::tr("writing %1").arg(label), announced),
                              [write = write, handle, image, serial, progress] {
                                  return write(handle, image.c_str(), serial, progress.get());
                              },
                              progress);
}
