#ifndef CALLTRACE_H
#define CALLTRACE_H

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// One line of the call trace, written to the file named by $RZ_SIM_TRACE:
//   name(arguments) -> status [values written]  # reason
// Arguments list inputs and the entry value of in/out pointers; pure out
// pointers appear only when null.
class CallTrace
{
public:
    explicit CallTrace(const char* call);

    const char* call() const { return m_call; }

    CallTrace& arg(const char* name, int value);
    CallTrace& arg(const char* name, const char* text);
    CallTrace& inOut(const char* name, const int* value);
    CallTrace& outPointer(const char* name, const void* pointer);

    CallTrace& out(const char* name, int value);
    CallTrace& out(const char* name, double value);
    CallTrace& out(const char* name, const int* values, int count);
    void setReason(const QString& reason) { m_reason = reason; }

    // Writes the line when tracing is on; returns the status.
    int finish(int status);
    void finish(const char* result);

private:
    void write(const QByteArray& result);

    const char* m_call;
    QByteArrayList m_args;
    QByteArrayList m_outs;
    QString m_reason;
};

#endif
