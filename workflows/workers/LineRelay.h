#ifndef LINERELAY_H
#define LINERELAY_H

#include "catalogue/OperatorText.h"

#include "records/run/RunEvent.h"

#include <QObject>
#include <QStringList>

class RunRecord;

// Receives a worker's lines and events on the thread that runs the flow, as
// queued calls in the order emitted, and hands them to the run's record.
// Lines that are already queued when one arrives are handed over with it,
// in one event: a worker can say lines much faster than a window shows them
// one by one.
class LineRelay : public QObject
{
    Q_OBJECT

public:
    explicit LineRelay(RunRecord& record);

public slots:
    void updateText(const OperatorText& s);
    void note(const RunEvent& event);

private:
    void handOver();

    RunRecord& record;
    OperatorLines batch;
    bool collecting = false;
};

#endif
