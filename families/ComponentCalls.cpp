#include "families/ComponentCalls.h"

#include "families/LibraryThread.h"

int ComponentCalls::timedClear(int handle, double* progress, Seconds announced) const
{
    return LibraryThread::run(CallBudget::erasing(QStringLiteral("clearing ") + label, announced),
                              [&] { return clear(handle, progress); });
}

int ComponentCalls::timedWrite(int handle, const char* image, int serial, double* progress, Seconds announced) const
{
    return LibraryThread::run(CallBudget::erasing(QStringLiteral("writing ") + label, announced),
                              [&] { return write(handle, image, serial, progress); });
}
