#include "records/history/HistoryReader.h"

#include "catalogue/OperatorText.h"
#include "records/history/HistoryStatement.h"
#include "records/history/HistoryTime.h"

#include <QSqlQuery>
#include <QVariant>

#include <limits>
#include <utility>

namespace {

using Field = UpdateAttempt::Field;

// A number where the history holds one that fits the field; anything else
// kept as it is stored.
template <typename Number>
Number numberIn(const QVariant& value, Field field, UpdateAttempt& attempt)
{
    if (value.isNull())
        return 0;
    if (value.userType() == QMetaType::LongLong || value.userType() == QMetaType::Int) {
        const qint64 number = value.toLongLong();
        if (number >= std::numeric_limits<Number>::min() && number <= std::numeric_limits<Number>::max())
            return Number(number);
    }
    attempt.asStored.insert(field, value);
    return 0;
}

QDateTime timeIn(const QVariant& value, Field field, UpdateAttempt& attempt)
{
    if (value.isNull())
        return QDateTime();
    const QString text = value.toString();
    bool exact = false;
    const QDateTime time = HistoryTime::fromText(text, &exact);
    if (!exact)
        attempt.asStored.insert(field, value);
    return time;
}

// A number where the history holds one; anything else kept as it is stored.
double scaleIn(const QVariant& value, UpdateAttempt& attempt)
{
    if (value.isNull())
        return 1;
    bool isNumber = false;
    const double scale = value.toDouble(&isNumber);
    if (value.userType() == QMetaType::QString || !isNumber)
        attempt.asStored.insert(UpdateAttempt::StallScale, value);
    return isNumber ? scale : 1;
}

// Written one space between two words; other spacing is kept as stored.
QStringList componentsIn(const QVariant& value, UpdateAttempt& attempt)
{
    const QString text = value.toString();
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int written = words.isEmpty() ? 0 : words.size() - 1;
    for (const QString& word : words)
        written += word.size();
    if (written != text.size())
        attempt.asStored.insert(UpdateAttempt::Components, value);
    return words;
}

// A word of AttemptState; any other kept as text, as it is stored.
AttemptState::Value stateIn(const QString& word, UpdateAttempt& attempt)
{
    if (const std::optional<AttemptState::Value> state = AttemptState::fromStored(word))
        return *state;
    attempt.asStored.insert(UpdateAttempt::State, word);
    return AttemptState::Interrupted;
}

// A row of a query that selects UpdateAttempt::fieldNames().
UpdateAttempt attemptIn(const HistoryStatement& row)
{
    UpdateAttempt attempt;
    attempt.id = numberIn<qint64>(row.value(UpdateAttempt::Id), UpdateAttempt::Id, attempt);
    attempt.started = timeIn(row.value(UpdateAttempt::Started), UpdateAttempt::Started, attempt);
    attempt.finished = timeIn(row.value(UpdateAttempt::Finished), UpdateAttempt::Finished, attempt);
    attempt.serial = numberIn<int>(row.value(UpdateAttempt::Serial), UpdateAttempt::Serial, attempt);
    attempt.components = componentsIn(row.value(UpdateAttempt::Components), attempt);
    attempt.resumedFrom = numberIn<qint64>(row.value(UpdateAttempt::ResumedFrom), UpdateAttempt::ResumedFrom, attempt);
    attempt.stallScale = scaleIn(row.value(UpdateAttempt::StallScale), attempt);
    attempt.discarded = timeIn(row.value(UpdateAttempt::Discarded), UpdateAttempt::Discarded, attempt);
    attempt.state = stateIn(row.text(UpdateAttempt::State), attempt);
    for (int field = 0; field < UpdateAttempt::FieldCount; ++field) {
        if (QString UpdateAttempt::*const member = UpdateAttempt::textMember(Field(field)))
            attempt.*member = row.text(field);
    }
    return attempt;
}

} // namespace

HistoryReader::HistoryReader(LineSink lineSink)
    : say(lineSink), database(std::move(lineSink), HistoryDatabase::Access::Reader)
{
}

bool HistoryReader::forEach(const Filter& filter, bool updaterRunsElsewhere, const Visitor& visit) const
{
    return read(filter, updaterRunsElsewhere, 0, 0, visit);
}

std::optional<QList<UpdateAttempt>> HistoryReader::page(const Filter& filter, bool updaterRunsElsewhere,
                                                        qint64 before, int count) const
{
    QList<UpdateAttempt> found;
    if (!read(filter, updaterRunsElsewhere, before, count, [&found](const UpdateAttempt& attempt) { found << attempt; }))
        return std::nullopt;
    return found;
}

std::optional<QStringList> HistoryReader::recentLogs(int attempts) const
{
    if (!isOpen())
        return std::nullopt;
    QSqlQuery query(database.connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT log FROM attempts ORDER BY id DESC LIMIT ?"));
    query.addBindValue(attempts);
    if (!query.exec())
        return std::nullopt;
    QStringList logs;
    while (query.next()) {
        if (!query.value(0).isNull())
            logs << query.value(0).toString();
    }
    return logs;
}

// Each filter has its index; newest first is the table's own order, and
// a page goes on below the last id of the one before. Nothing is said when
// the history could not be opened: that was said then. Damage further down
// the file ends the rows early.
bool HistoryReader::read(const Filter& filter, bool updaterRunsElsewhere, qint64 before, int count,
                         const Visitor& visit) const
{
    if (!isOpen())
        return false;
    QStringList columns = database.columns();
    if (!updaterRunsElsewhere)
        columns[UpdateAttempt::State] = QStringLiteral("CASE state WHEN '%1' THEN '%2' ELSE state END")
                                            .arg(AttemptState::stored(AttemptState::Pending),
                                                 AttemptState::stored(AttemptState::Interrupted));
    QStringList conditions;
    QVariantList values;
    if (filter.serial) {
        conditions << QStringLiteral("serial = ?");
        values << *filter.serial;
    }
    if (!filter.model.isEmpty()) {
        conditions << QStringLiteral("model = ?");
        values << filter.model;
    }
    // The times are all written alike, so their text sorts as they do.
    if (filter.since.isValid()) {
        conditions << QStringLiteral("started >= ?");
        values << HistoryTime::text(filter.since.startOfDay(Qt::UTC));
    }
    if (before > 0) {
        conditions << QStringLiteral("id < ?");
        values << before;
    }
    if (count > 0)
        values << count;
    HistoryStatement rows(database.connection(),
                          QStringLiteral("SELECT %1 FROM attempts WHERE %2 ORDER BY id DESC%3")
                              .arg(columns.join(QStringLiteral(", ")),
                                   conditions.isEmpty() ? QStringLiteral("1") : conditions.join(QStringLiteral(" AND ")),
                                   count > 0 ? QStringLiteral(" LIMIT ?") : QString()),
                          values);
    while (rows.next())
        visit(attemptIn(rows));
    if (!rows.failed())
        return true;
    say(OperatorText::tr("The update history could not be read: %1").arg(HistoryQueryLimit::reason(rows.code(), rows.message())));
    return false;
}
