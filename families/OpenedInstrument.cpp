#include "families/OpenedInstrument.h"

OpenedInstrument::OpenedInstrument(Close close)
    : closeCall(std::move(close))
{
}

OpenedInstrument::~OpenedInstrument()
{
    close();
}

void OpenedInstrument::close()
{
    if (!closing)
        return;
    closing = false;
    closeCall(value);
}
