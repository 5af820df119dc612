#include "records/history/UpdateAttempt.h"

#include "catalogue/PrintableText.h"
#include "records/history/HistoryTime.h"

#include <QLocale>
#include <QSysInfo>
#include <QVector>

#include <algorithm>
#include <charconv>
#include <cmath>
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
    for (const char32_t c : text.toUcs4()) {
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
    } else if (value.userType() == QMetaType::Double && std::isfinite(value.toDouble())) {
        json += QByteArray::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    } else {
        appendJsonString(json, value.toString());
    }
}

void appendJsonArray(QByteArray& json, const QStringList& words)
{
    json += '[';
    for (int i = 0; i < words.size(); ++i) {
        if (i > 0)
            json += ", ";
        appendJsonString(json, words.at(i));
    }
    json += ']';
}

// Texts and times are written straight into the row, the rest as value()
// gives them; the components as the words they are, however a hand edit
// spaced them.
void appendJsonField(QByteArray& json, const UpdateAttempt& attempt, UpdateAttempt::Field field)
{
    const auto kept = attempt.asStored.constFind(field);
    QString UpdateAttempt::*const member = UpdateAttempt::textMember(field);
    char time[HistoryTime::length];
    if (field == UpdateAttempt::Components) {
        appendJsonArray(json, attempt.components);
    } else if (kept != attempt.asStored.cend()) {
        appendJsonValue(json, *kept);
    } else if (field == UpdateAttempt::State) {
        const QLatin1String word = AttemptState::stored(attempt.state);
        json += '"';
        json.append(word.data(), word.size());
        json += '"';
    } else if (member && !(attempt.*member).isEmpty()) {
        appendJsonString(json, attempt.*member);
    } else if ((field == UpdateAttempt::Started || field == UpdateAttempt::Finished)
               && HistoryTime::write(field == UpdateAttempt::Started ? attempt.started : attempt.finished, time)) {
        json += '"';
        json.append(time, HistoryTime::length);
        json += '"';
    } else {
        appendJsonValue(json, attempt.value(field));
    }
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

UpdateAttempt UpdateAttempt::updateStartedNow(const QString& model, int serial, const QString& versionTarget,
                                              const QString& component)
{
    UpdateAttempt attempt = onThisMachine();
    attempt.started = QDateTime::currentDateTimeUtc();
    attempt.action = QStringLiteral("update");
    attempt.model = model;
    attempt.serial = serial;
    attempt.versionTarget = versionTarget;
    attempt.components = QStringList{component};
    return attempt;
}

QStringList UpdateAttempt::fieldNames()
{
    static const char* const names[] = {"id", "started", "finished", "host", "user", "action", "model", "serial",
                                        "versionBefore", "versionTarget", "components", "state", "error", "releaseKey",
                                        "sumsSha256", "log", "updaterVersion", "libraryVersion", "resumedFrom",
                                        "stallScale", "discarded", "discardedBy"};
    static_assert(std::size(names) == FieldCount, "a name for every field, in the order of Field");
    static const QStringList list(std::begin(names), std::end(names));
    return list;
}

QString UpdateAttempt::*UpdateAttempt::textMember(Field field)
{
    switch (field) {
    case Host: return &UpdateAttempt::host;
    case User: return &UpdateAttempt::user;
    case Action: return &UpdateAttempt::action;
    case Model: return &UpdateAttempt::model;
    case VersionBefore: return &UpdateAttempt::versionBefore;
    case VersionTarget: return &UpdateAttempt::versionTarget;
    case Error: return &UpdateAttempt::error;
    case ReleaseKey: return &UpdateAttempt::releaseKey;
    case SumsSha256: return &UpdateAttempt::sumsSha256;
    case Log: return &UpdateAttempt::log;
    case UpdaterVersion: return &UpdateAttempt::updaterVersion;
    case LibraryVersion: return &UpdateAttempt::libraryVersion;
    case DiscardedBy: return &UpdateAttempt::discardedBy;
    default: return nullptr;
    }
}

// Texts that every attempt has are empty rather than null.
QVariant UpdateAttempt::value(Field field) const
{
    if (!asStored.isEmpty()) {
        const auto kept = asStored.constFind(field);
        if (kept != asStored.cend())
            return *kept;
    }
    switch (field) {
    case Id: return id;
    case Started: return textOrNull(HistoryTime::text(started));
    case Finished: return textOrNull(HistoryTime::text(finished));
    case Serial: return serial;
    case Components: return components.join(QLatin1Char(' '));
    case State: return QString(AttemptState::stored(state));
    case ResumedFrom: return resumedFrom ? QVariant(resumedFrom) : QVariant();
    case StallScale: return stallScale != 1 ? QVariant(stallScale) : QVariant();
    case Discarded: return textOrNull(HistoryTime::text(discarded));
    case VersionBefore: case Error: case ReleaseKey: case SumsSha256: case Log: case LibraryVersion: case DiscardedBy:
        return textOrNull(this->*textMember(field));
    default: break;
    }
    QString UpdateAttempt::*const member = textMember(field);
    return member ? QVariant(this->*member) : QVariant();
}

QString UpdateAttempt::shownState() const
{
    const auto kept = asStored.constFind(State);
    return kept == asStored.cend() ? AttemptState::shown(state) : kept->toString();
}

void UpdateAttempt::appendJsonRow(QByteArray& json) const
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
    json += '{';
    for (int i = 0; i < FieldCount; ++i) {
        if (i > 0)
            json += ", ";
        json += keys.at(i);
        appendJsonField(json, *this, Field(i));
    }
    json += '}';
}

QByteArray UpdateAttempt::csvHeader()
{
    return fieldNames().join(QLatin1Char(',')).toUtf8() + '\n';
}

QByteArray UpdateAttempt::csvRow() const
{
    QString row;
    for (int i = 0; i < FieldCount; ++i) {
        if (i > 0)
            row += QLatin1Char(',');
        row += csvField(value(Field(i)));
    }
    return row.toUtf8() + '\n';
}
