#include "simulator/CallTrace.h"

#include "simulator/InstrumentState.h"

#include <QFile>

#include <cstdio>
#include <mutex>

namespace {

std::mutex traceMutex;

QByteArray quoted(const char* text)
{
    if (!text)
        return QByteArrayLiteral("null");
    QByteArray result("\"");
    for (const char* cursor = text; *cursor; ++cursor) {
        const auto byte = static_cast<unsigned char>(*cursor);
        if (byte == '"' || byte == '\\')
            result += '\\';
        if (byte < 0x20 || byte >= 0x7F)
            result += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
        else
            result += char(byte);
    }
    return result + '"';
}

QByteArray named(const char* name, const QByteArray& value)
{
    return QByteArray(name) + '=' + value;
}

} // namespace

CallTrace::CallTrace(const char* call) : m_call(call)
{
}

CallTrace& CallTrace::arg(const char* name, int value)
{
    m_args << named(name, QByteArray::number(value));
    return *this;
}

CallTrace& CallTrace::arg(const char* name, const char* text)
{
    m_args << named(name, quoted(text));
    return *this;
}

CallTrace& CallTrace::inOut(const char* name, const int* value)
{
    m_args << named(name, value ? QByteArray::number(*value) : QByteArrayLiteral("null"));
    return *this;
}

CallTrace& CallTrace::outPointer(const char* name, const void* pointer)
{
    if (!pointer)
        m_args << named(name, QByteArrayLiteral("null"));
    return *this;
}

CallTrace& CallTrace::out(const char* name, int value)
{
    m_outs << named(name, QByteArray::number(value));
    return *this;
}

CallTrace& CallTrace::out(const char* name, double value)
{
    m_outs << named(name, QByteArray::number(value, 'g', 6));
    return *this;
}

CallTrace& CallTrace::out(const char* name, const int* values, int count)
{
    QByteArrayList items;
    for (int index = 0; index < count; ++index)
        items << QByteArray::number(values[index]);
    m_outs << named(name, '[' + items.join(", ") + ']');
    return *this;
}

int CallTrace::finish(int status)
{
    write(QByteArray::number(status));
    return status;
}

void CallTrace::finish(const char* result)
{
    write(quoted(result));
}

void CallTrace::write(const QByteArray& result)
{
    const QByteArray variable = qgetenv("RZ_SIM_TRACE");
    if (variable.isEmpty())
        return;
    const QByteArray path = QFile::encodeName(InstrumentState::inStartFolder(QFile::decodeName(variable)));
    QByteArray line = m_call + ('(' + m_args.join(", ") + ") -> ") + result;
    if (!m_outs.isEmpty())
        line += " [" + m_outs.join(", ") + ']';
    if (!m_reason.isEmpty())
        line += "  # " + m_reason.toUtf8();
    line += '\n';
    // Opened per line in append mode, so every line is on disk at once and
    // other processes tracing to the same file interleave whole lines.
    std::lock_guard<std::mutex> lock(traceMutex);
    if (FILE* file = std::fopen(path.constData(), "a")) {
        std::fwrite(line.constData(), 1, size_t(line.size()), file);
        std::fclose(file);
    }
}
