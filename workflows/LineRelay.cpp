#include "workflows/LineRelay.h"

#include "workflows/FrontEnd.h"

LineRelay::LineRelay(FrontEnd& frontEnd)
    : QObject(nullptr), frontEnd(frontEnd)
{
}

void LineRelay::addLine(const QString& s)
{
    frontEnd.addLine(s);
}

void LineRelay::replaceLastLine(const QString& s)
{
    frontEnd.replaceLastLine(s);
}
