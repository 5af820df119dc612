#include "records/history/UpdateAttempt.h"

#include "catalogue/PrintableText.h"

#include <QSysInfo>
#include <QVector>

#include <algorithm>
#include <charconv>
#include <iterator>

#include <pwd.h>
#include <unistd.h>

namespace {

// The account the updater runs as, which under sudo is not $USER's.
QString accountName()
{
    struct passwd entry;
    struct passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(geteuid());
}

QVariant textOrNull(const QString& text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QVariant timeOrNull(const QDateTime& time)
{
    return time.isValid() ? QVariant(time.toUTC().toString(Qt::ISODate)) : QVariant();
}

// A tab, a carriage return or a line break is escaped like any control
// character, so none can begin a field or end a row early.
QString csvField(const QVariant& value)
{
    QString text = PrintableText::of(value.toString());
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    const bool needsQuotes = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('"');
    });
    if (needsQuotes)
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
    return text;
}

QString unicodeEscape(ushort unit)
{
    return QStringLiteral("\\u") + QString::number(unit, 16).rightJustified(4, QLatin1Char('0'));
}

// What a terminal would take for more than text (PrintableText) is
// written with JSON's own escapes, so a program still reads the value as
// it is: a character beyond the BMP as its surrogate pair.
void appendEscaped(QByteArray& json, const QString& text)
{
    QString escaped;
    for (const uint c : text.toUcs4()) {
        if (c == '"' || c == '\\')
            escaped += QLatin1Char('\\') + QChar(c);
        else if (!PrintableText::isControl(c))
            escaped += QString::fromUcs4(&c, 1);
        else if (QChar::requiresSurrogates(c))
            escaped += unicodeEscape(QChar::highSurrogate(c)) + unicodeEscape(QChar::lowSurrogate(c));
        else
            escaped += unicodeEscape(ushort(c));
    }
    json += '"' + escaped.toUtf8() + '"';
}

// Written by hand, a row at a time: a history of a million attempts is
// printed about as fast as SQLite reads it. Printable ASCII, nearly all of
// a history, is copied as it is; DEL is a control character.
void appendJsonString(QByteArray& json, const QString& text)
{
    const int start = json.size();
    json.resize(start + text.size() + 2);
    char* out = json.data() + start;
    *out++ = '"';
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code >= 0x7f || code < 0x20 || code == '"' || code == '\\') {
            json.resize(start);
            appendEscaped(json, text);
            return;
        }
        *out++ = char(code);
    }
    *out = '"';
}

void appendJsonValue(QByteArray& json, const QVariant& value)
{
    if (value.userType() == QMetaType::Int || value.userType() == QMetaType::LongLong) {
        char digits[24];
        const std::to_chars_result end = std::to_chars(std::begin(digits), std::end(digits), value.toLongLong());
        json.append(digits, int(end.ptr - digits));
    } else if (value.isNull()) {
        json += "null";
    } else {
        appendJsonString(json, value.toString());
    }
}

// The components, kept space-separated, as an array.
void appendJsonArray(QByteArray& json, const QString& words)
{
    json += '[';
    bool first = true;
    for (int from = 0; from < words.size();) {
        int end = words.indexOf(QLatin1Char(' '), from);
        if (end < 0)
            end = words.size();
        if (end > from) {
            if (!first)
                json += ", ";
            first = false;
            appendJsonString(json, words.mid(from, end - from));
        }
        from = end + 1;
    }
    json += ']';
}

} // namespace

UpdateAttempt UpdateAttempt::onThisMachine()
{
    UpdateAttempt attempt;
    attempt.host = QSysInfo::machineHostName();
    attempt.user = accountName();
    attempt.updaterVersion = QStringLiteral(RZ_UPDATER_VERSION);
    return attempt;
}

QStringList UpdateAttempt::fieldNames()
{
    static const QStringList names{"id", "started", "finished", "host", "user", "action", "model", "serial",
                                   "versionBefore", "versionTarget", "components", "state", "error", "releaseKey",
                                   "sumsSha256", "log", "updaterVersion", "libraryVersion", "resumedFrom"};
    return names;
}

QVariantList UpdateAttempt::values() const
{
    return {id, timeOrNull(started), timeOrNull(finished), host, user, action, model, serial,
            textOrNull(versionBefore), versionTarget, components, state, textOrNull(error),
            textOrNull(releaseKey), textOrNull(sumsSha256), textOrNull(log), updaterVersion,
            textOrNull(libraryVersion), resumedFrom ? QVariant(resumedFrom) : QVariant()};
}

QString UpdateAttempt::result() const
{
    return error.isEmpty() ? state : state + QStringLiteral(": ") + error;
}

QByteArray UpdateAttempt::jsonRow(const StoredRow& field)
{
    // "name": before each value, made once.
    static const QVector<QByteArray> keys = [] {
        QVector<QByteArray> made;
        for (const QString& name : fieldNames()) {
            QByteArray key;
            appendJsonString(key, name);
            made << key + ": ";
        }
        return made;
    }();
    static const int components = fieldNames().indexOf(QStringLiteral("components"));
    QByteArray text;
    text.reserve(1024);
    text += '{';
    for (int i = 0; i < keys.size(); ++i) {
        if (i > 0)
            text += ", ";
        text += keys.at(i);
        const QVariant value = field(i);
        if (i == components)
            appendJsonArray(text, value.toString());
        else
            appendJsonValue(text, value);
    }
    text += '}';
    return text;
}

QByteArray UpdateAttempt::csvHeader()
{
    return fieldNames().join(QLatin1Char(',')).toUtf8() + '\n';
}

QByteArray UpdateAttempt::csvRow(const StoredRow& field)
{
    QString row;
    for (int i = 0; i < fieldNames().size(); ++i) {
        if (i > 0)
            row += QLatin1Char(',');
        row += csvField(field(i));
    }
    return row.toUtf8() + '\n';
}
