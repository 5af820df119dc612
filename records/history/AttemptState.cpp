#include "records/history/AttemptState.h"

#include <QCoreApplication>
#include <QStringList>

#include <iterator>

namespace {

struct Words
{
    AttemptState::Value state;
    const char* stored;
    const char* shown;
};

constexpr Words words[] = {
    {AttemptState::Pending, "pending", QT_TRANSLATE_NOOP("AttemptState", "pending")},
    {AttemptState::Succeeded, "succeeded", QT_TRANSLATE_NOOP("AttemptState", "succeeded")},
    {AttemptState::Failed, "failed", QT_TRANSLATE_NOOP("AttemptState", "failed")},
    {AttemptState::Interrupted, "interrupted", QT_TRANSLATE_NOOP("AttemptState", "interrupted")},
};

constexpr bool inTheOrderOfValue()
{
    for (int i = 0; i < int(std::size(words)); ++i) {
        if (words[i].state != i)
            return false;
    }
    return std::size(words) == AttemptState::Interrupted + 1;
}
static_assert(inTheOrderOfValue(), "a row for every state, in the order of AttemptState::Value");

const Words& wordsOf(AttemptState::Value state)
{
    return words[state];
}

} // namespace

QLatin1String AttemptState::stored(Value state)
{
    return QLatin1String(wordsOf(state).stored);
}

QString AttemptState::shown(Value state)
{
    return QCoreApplication::translate(context, wordsOf(state).shown);
}

std::optional<AttemptState::Value> AttemptState::fromStored(const QString& word)
{
    for (const Words& each : words) {
        if (word == QLatin1String(each.stored))
            return each.state;
    }
    return std::nullopt;
}

QString AttemptState::sqlList()
{
    QStringList quoted;
    for (const Words& each : words)
        quoted << QLatin1Char('\'') + QLatin1String(each.stored) + QLatin1Char('\'');
    return quoted.join(QStringLiteral(", "));
}
