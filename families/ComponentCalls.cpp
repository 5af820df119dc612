#include "families/ComponentCalls.h"

#include "families/LibraryThread.h"

int ComponentCalls::timedClear(int handle, double* progress, Seconds announced) const
{
    return LibraryThread::run(CallBudget::erasing(OperatorText::tr("clearing %1").arg(label), announced),
                              [&] { return clear(handle, progress); });
}

int ComponentCalls::timedWrite(int handle, const char* image, int serial, double* progress, Seconds announced) const
{
    return LibraryThread::run(CallBudget::erasing(OperatorText::tr("writing %1").arg(label), announced),
                              [&] { return write(handle, image, serial, progress); });
}
