#include "workflows/workers/LineRelay.h"

#include "records/run/RunRecord.h"

#include <QCoreApplication>
#include <QEvent>

#include <utility>

LineRelay::LineRelay(RunRecord& record)
    : QObject(nullptr), record(record)
{
    qRegisterMetaType<RunEvent>();
    qRegisterMetaType<OperatorText>();
}

// The calls queued for this relay before this one arrived are delivered
// here, inside it; they can only be this relay's own. Those queued
// meanwhile wait for the next round, so a worker that never stops talking
// cannot keep the caller here.
void LineRelay::updateText(const OperatorText& s)
{
    batch << s;
    if (collecting)
        return;
    collecting = true;
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    collecting = false;
    handOver();
}

// The lines said before the event are on record before it.
void LineRelay::note(const RunEvent& event)
{
    handOver();
    record.note(event);
}

void LineRelay::handOver()
{
    if (batch.isEmpty())
        return;
    record.note(RunEvent::lines(std::exchange(batch, OperatorLines())));
}
