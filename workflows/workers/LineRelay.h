#ifndef LINERELAY_H
#define LINERELAY_H

#include <QObject>
#include <QStringList>

class FrontEnd;

// Receives a worker's lines on the thread that runs the flow, as queued
// calls in the order emitted, and hands them to the front end. Lines that
// are already queued when one arrives are handed over with it, in one
// call: a worker can say lines much faster than a window shows them one by
// one.
class LineRelay : public QObject
{
    Q_OBJECT

public:
    explicit LineRelay(FrontEnd& frontEnd);

public slots:
    void addLine(const QString& s);

private:
    void handOver();

    FrontEnd& frontEnd;
    QStringList batch;
    bool collecting = false;
};

#endif
