#ifndef LINERELAY_H
#define LINERELAY_H

#include <QObject>

class FrontEnd;

// Receives a worker's lines on the thread that runs the flow, as queued
// calls in the order emitted, and hands them to the front end.
class LineRelay : public QObject
{
    Q_OBJECT

public:
    explicit LineRelay(FrontEnd& frontEnd);

public slots:
    void addLine(const QString& s);
    void replaceLastLine(const QString& s);

private:
    FrontEnd& frontEnd;
};

#endif
