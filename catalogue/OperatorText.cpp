#include "catalogue/OperatorText.h"

#include <QCoreApplication>

OperatorText::OperatorText(const char* source, const char* disambiguation, int count)
    : source(source), disambiguation(disambiguation), count(count)
{
}

OperatorText OperatorText::tr(const char* source, const char* disambiguation, int count)
{
    return OperatorText(source, disambiguation, count);
}

OperatorText OperatorText::verbatim(const QString& words)
{
    OperatorText text;
    text.words = words;
    return text;
}

OperatorText OperatorText::arg(const QString& a) const
{
    return arg(verbatim(a));
}

OperatorText OperatorText::arg(const OperatorText& a) const
{
    OperatorText text = *this;
    text.arguments.push_back(a);
    return text;
}

OperatorText OperatorText::arg(qlonglong a) const
{
    return arg(QString::number(a));
}

QString OperatorText::english() const
{
    if (!source)
        return words;
    QString text = QString::fromUtf8(source);
    if (count >= 0)
        text.replace(QLatin1String("%n"), QString::number(count));
    return filled(text, false);
}

QString OperatorText::translated() const
{
    if (!source)
        return words;
    return filled(QCoreApplication::translate(context, source, disambiguation, count), true);
}

bool OperatorText::isEmpty() const
{
    return source ? *source == '\0' : words.isEmpty();
}

// Each argument fills the lowest "%1".."%99" left, as QString::arg() does.
QString OperatorText::filled(QString text, bool translate) const
{
    for (const OperatorText& argument : arguments)
        text = text.arg(translate ? argument.translated() : argument.english());
    return text;
}

QStringList OperatorText::englishOf(const QList<OperatorText>& lines)
{
    return wordsOf(lines, &OperatorText::english);
}

QStringList OperatorText::translatedOf(const QList<OperatorText>& lines)
{
    return wordsOf(lines, &OperatorText::translated);
}

QStringList OperatorText::wordsOf(const QList<OperatorText>& lines, QString (OperatorText::*words)() const)
{
    QStringList result;
    result.reserve(lines.size());
    for (const OperatorText& line : lines)
        result << (line.*words)();
    return result;
}
