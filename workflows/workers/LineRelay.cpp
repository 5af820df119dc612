#include "workflows/workers/LineRelay.h"

#include "families/LibraryThread.h"
#include "workflows/FrontEnd.h"

#include <QCoreApplication>
#include <QEvent>

#include <utility>

LineRelay::LineRelay(FrontEnd& frontEnd)
    : QObject(nullptr), frontEnd(frontEnd)
{
}

// The calls queued for this relay before this one arrived are delivered
// here, inside it; they can only be this relay's own lines. Those queued
// meanwhile wait for the next round, so a worker that never stops talking
// cannot keep the caller here.
void LineRelay::addLine(const QString& s)
{
    if (LibraryThread::isStillWorkingLine(s))
        frontEnd.showBusyNote(s);
    batch << s;
    if (collecting)
        return;
    collecting = true;
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    collecting = false;
    handOver();
}

void LineRelay::handOver()
{
    if (batch.isEmpty())
        return;
    const QStringList lines = std::exchange(batch, QStringList());
    frontEnd.addLines(lines);
}
