#ifndef ATTEMPTSTATE_H
#define ATTEMPTSTATE_H

#include <QLatin1String>
#include <QString>

#include <optional>

// How an update or restore stands in the history: written as pending before
// the first erase, then settled once. Each state's stored word is what
// history.db holds (the column's CHECK lists them, and histories already
// written rely on them: never change one), and its shown word is what the
// window and the terminal's table show, in the operator's language.
class AttemptState
{
public:
    enum Value { Pending, Succeeded, Failed, Interrupted };

    // The context the translations file keeps the shown words under.
    static constexpr const char* context = "AttemptState";

    static QLatin1String stored(Value state);
    static QString shown(Value state);
    // None for a word no updater stores (a hand edit).
    static std::optional<Value> fromStored(const QString& word);
    // Every stored word, quoted for SQL and separated by commas, in the
    // order of Value.
    static QString sqlList();
};

#endif
