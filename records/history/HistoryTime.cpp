#include "records/history/HistoryTime.h"

namespace {

constexpr qint64 unixEpochJulianDay = 2440588;
constexpr qint64 msecsPerDay = 24 * 60 * 60 * 1000;

// `digits` digits of `value` and the character after them.
char* putDigits(char* out, int value, int digits, char after)
{
    for (int i = digits - 1; i >= 0; --i) {
        out[i] = char('0' + value % 10);
        value /= 10;
    }
    out[digits] = after;
    return out + digits + 1;
}

// The number in `digits` characters from `at`; -1 unless all are digits.
int digitsAt(const QString& text, int at, int digits)
{
    int value = 0;
    for (int i = at; i < at + digits; ++i) {
        const ushort digit = text.at(i).unicode() - ushort('0');
        if (digit > 9)
            return -1;
        value = value * 10 + digit;
    }
    return value;
}

bool isSeparatedAsWritten(const QString& text)
{
    static const QString separators = QStringLiteral("--T::Z");
    const int positions[] = {4, 7, 10, 13, 16, 19};
    for (int i = 0; i < separators.size(); ++i) {
        if (text.at(positions[i]) != separators.at(i))
            return false;
    }
    return true;
}

// Only the form text() writes; invalid for anything else.
QDateTime fromWrittenText(const QString& text)
{
    if (text.size() != HistoryTime::length || !isSeparatedAsWritten(text))
        return QDateTime();
    const QDate date(digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2));
    const int hour = digitsAt(text, 11, 2), minute = digitsAt(text, 14, 2), second = digitsAt(text, 17, 2);
    if (!date.isValid() || !QTime::isValid(hour, minute, second))
        return QDateTime();
    const qint64 msecs = (date.toJulianDay() - unixEpochJulianDay) * msecsPerDay
                         + ((hour * 60 + minute) * 60 + second) * qint64(1000);
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
}

} // namespace

QString HistoryTime::text(const QDateTime& time)
{
    char written[length];
    if (write(time, written))
        return QString::fromLatin1(written, length);
    return time.isValid() ? time.toUTC().toString(Qt::ISODate) : QString();
}

bool HistoryTime::write(const QDateTime& time, char (&out)[length])
{
    if (!time.isValid())
        return false;
    const QDateTime utc = time.toUTC();
    int year = 0, month = 0, day = 0;
    utc.date().getDate(&year, &month, &day);
    if (year < 1 || year > 9999)
        return false;
    const QTime clock = utc.time();
    char* next = putDigits(out, year, 4, '-');
    next = putDigits(next, month, 2, '-');
    next = putDigits(next, day, 2, 'T');
    next = putDigits(next, clock.hour(), 2, ':');
    next = putDigits(next, clock.minute(), 2, ':');
    putDigits(next, clock.second(), 2, 'Z');
    return true;
}

QDateTime HistoryTime::fromText(const QString& text, bool* exact)
{
    const QDateTime written = fromWrittenText(text);
    *exact = written.isValid();
    return written.isValid() ? written : QDateTime::fromString(text, Qt::ISODate);
}
