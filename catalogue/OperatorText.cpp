#include "catalogue/OperatorText.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>

namespace {

// English line -> the text it was made from. Lines are made on the workers'
// threads and shown on the GUI thread, a little later.
struct Remembered
{
    QMutex mutex;
    QHash<QString, OperatorText> texts;
};

Remembered& remembered()
{
    static Remembered instance;
    return instance;
}

// A run says a few hundred lines; a program that never shows them (a
// benchmark, a script's long run) must not keep them all.
constexpr int rememberedAtMost = 65536;

} // namespace

OperatorText::OperatorText(const char* source, const char* disambiguation, int count)
    : source(source), disambiguation(disambiguation), count(count)
{
}

OperatorText OperatorText::tr(const char* source, const char* disambiguation, int count)
{
    return OperatorText(source, disambiguation, count);
}

OperatorText OperatorText::arg(const QString& a) const
{
    OperatorText text = *this;
    text.arguments << a;
    return text;
}

OperatorText OperatorText::arg(qlonglong a) const
{
    return arg(QString::number(a));
}

QString OperatorText::english() const
{
    QString text = QString::fromUtf8(source);
    if (count >= 0)
        text.replace(QLatin1String("%n"), QString::number(count));
    return filled(text, false);
}

QString OperatorText::translated() const
{
    return filled(QCoreApplication::translate(context, source, disambiguation, count), true);
}

// Each argument fills the lowest "%1".."%99" left, as QString::arg() does.
QString OperatorText::filled(QString text, bool translateArguments) const
{
    for (const QString& argument : arguments)
        text = text.arg(translateArguments ? shown(argument) : argument);
    return text;
}

OperatorText::operator QString() const
{
    const QString line = english();
    // "%1" alone would stand for itself, and be shown forever.
    if (arguments.contains(line))
        return line;
    Remembered& memory = remembered();
    const QMutexLocker locked(&memory.mutex);
    if (memory.texts.size() >= rememberedAtMost)
        memory.texts.clear();
    memory.texts.insert(line, *this);
    return line;
}

QString OperatorText::shown(const QString& line)
{
    if (line.isEmpty())
        return line;
    Remembered& memory = remembered();
    QMutexLocker locked(&memory.mutex);
    const auto found = memory.texts.constFind(line);
    if (found == memory.texts.constEnd())
        return line;
    const OperatorText text = *found;
    locked.unlock();
    return text.translated();
}

QStringList OperatorText::shown(const QStringList& lines)
{
    QStringList result;
    result.reserve(lines.size());
    for (const QString& line : lines)
        result << shown(line);
    return result;
}
