#include "records/history/HistoryTime.h"

namespace {

constexpr int textLength = 20; // 2024-01-15T12:00:00Z
constexpr qint64 unixEpochJulianDay = 2440588;
constexpr qint64 msecsPerDay = 24 * 60 * 60 * 1000;

QChar* putDigits(QChar* out, int value, int digits)
{
    for (int i = digits - 1; i >= 0; --i) {
        out[i] = QChar(ushort('0' + value % 10));
        value /= 10;
    }
    return out + digits;
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
    if (text.size() != textLength || !isSeparatedAsWritten(text))
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
    if (!time.isValid())
        return QString();
    const QDateTime utc = time.toUTC();
    int year = 0, month = 0, day = 0;
    utc.date().getDate(&year, &month, &day);
    if (year < 1 || year > 9999)
        return utc.toString(Qt::ISODate);
    const QTime clock = utc.time();
    QString text(textLength, Qt::Uninitialized);
    QChar* out = putDigits(text.data(), year, 4);
    *out++ = QLatin1Char('-');
    out = putDigits(out, month, 2);
    *out++ = QLatin1Char('-');
    out = putDigits(out, day, 2);
    *out++ = QLatin1Char('T');
    out = putDigits(out, clock.hour(), 2);
    *out++ = QLatin1Char(':');
    out = putDigits(out, clock.minute(), 2);
    *out++ = QLatin1Char(':');
    out = putDigits(out, clock.second(), 2);
    *out = QLatin1Char('Z');
    return text;
}

QDateTime HistoryTime::fromText(const QString& text, bool* exact)
{
    const QDateTime written = fromWrittenText(text);
    *exact = written.isValid();
    return written.isValid() ? written : QDateTime::fromString(text, Qt::ISODate);
}
