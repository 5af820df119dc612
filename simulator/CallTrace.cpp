#include "simulator/CallTrace.h"

#include "catalogue/ImageFingerprint.h"
#include "simulator/InstrumentState.h"

#include <QFile>
#include <QJsonArray>

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
    m_inputs.insert(QLatin1String(name), value);
    return *this;
}

// Every text argument of the library is an image path.
CallTrace& CallTrace::arg(const char* name, const char* text)
{
    m_args << named(name, quoted(text));
    m_images.emplace_back(QLatin1String(name), text);
    return *this;
}

// A recording has a null pointer's entry value as -1.
CallTrace& CallTrace::inOut(const char* name, int* value)
{
    m_args << named(name, value ? QByteArray::number(*value) : QByteArrayLiteral("null"));
    m_inputs.insert(QLatin1String(name), value ? *value : -1);
    return outPointer(name, value);
}

CallTrace& CallTrace::outPointer(const char* name, int* pointer)
{
    if (!pointer)
        m_args << named(name, QByteArrayLiteral("null"));
    else
        m_outputs.emplace_back(QLatin1String(name), [pointer](const QJsonValue& value) { *pointer = value.toInt(); });
    return *this;
}

CallTrace& CallTrace::outPointer(const char* name, double* pointer)
{
    if (!pointer)
        m_args << named(name, QByteArrayLiteral("null"));
    else
        m_outputs.emplace_back(QLatin1String(name), [pointer](const QJsonValue& value) { *pointer = value.toDouble(); });
    return *this;
}

CallTrace& CallTrace::outList(const char* name, int* values, int room)
{
    if (!values) {
        m_args << named(name, QByteArrayLiteral("null"));
        return *this;
    }
    m_outputs.emplace_back(QLatin1String(name), [values, room](const QJsonValue& value) {
        const QJsonArray list = value.toArray();
        for (int index = 0; index < room && index < list.size(); ++index)
            values[index] = list.at(index).toInt();
    });
    return *this;
}

QJsonObject CallTrace::inputs() const
{
    QJsonObject all = m_inputs;
    for (const auto& [name, path] : m_images)
        all.insert(name, ImageFingerprint::of(path));
    return all;
}

void CallTrace::answer(const QJsonObject& outputs) const
{
    for (const auto& [name, write] : m_outputs) {
        if (outputs.contains(name))
            write(outputs.value(name));
    }
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
