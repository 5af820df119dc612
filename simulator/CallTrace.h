#ifndef CALLTRACE_H
#define CALLTRACE_H

#include <QByteArray>
#include <QByteArrayList>
#include <QJsonObject>
#include <QString>

#include <functional>
#include <vector>

// One line of the call trace, written to the file named by $RZ_SIM_TRACE:
//   name(arguments) -> status [values written]  # reason
// Arguments list inputs and the entry value of in/out pointers; pure out
// pointers appear only when null.
//
// It also holds the call as a recording names it, for a replay to compare
// and answer: the inputs (an image by its name and digest) and where the
// outputs go.
class CallTrace
{
public:
    explicit CallTrace(const char* call);

    const char* call() const { return m_call; }

    CallTrace& arg(const char* name, int value);
    CallTrace& arg(const char* name, const char* text);
    CallTrace& inOut(const char* name, int* value);
    CallTrace& outPointer(const char* name, int* pointer);
    CallTrace& outPointer(const char* name, double* pointer);
    // A list with room for `room` entries.
    CallTrace& outList(const char* name, int* values, int room);

    CallTrace& out(const char* name, int value);
    CallTrace& out(const char* name, double value);
    CallTrace& out(const char* name, const int* values, int count);
    void setReason(const QString& reason) { m_reason = reason; }

    // The inputs as a recording has them; images are read only when asked.
    QJsonObject inputs() const;
    // Writes recorded outputs where the call's outputs go.
    void answer(const QJsonObject& outputs) const;

    // Writes the line when tracing is on; returns the status.
    int finish(int status);
    void finish(const char* result);

private:
    void write(const QByteArray& result);

    const char* m_call;
    QByteArrayList m_args;
    QByteArrayList m_outs;
    QString m_reason;
    QJsonObject m_inputs;
    std::vector<std::pair<QString, const char*>> m_images;
    std::vector<std::pair<QString, std::function<void(const QJsonValue&)>>> m_outputs;
};

#endif
