#ifndef FRONTEND_H
#define FRONTEND_H

#include <QString>
#include <QStringList>

#include <optional>

// What the check, update and restore flows need from the person running
// them, whether through the window or a terminal: lines for the log, a busy
// state while a worker runs, two questions, and which actions are offered.
class FrontEnd
{
public:
    enum Action { NoAction = 0, CheckAction = 1, UpdateAction = 2, RestoreAction = 4 };

    virtual ~FrontEnd() = default;

    virtual void addLine(const QString& s) = 0;
    // Lines that came together, shown together.
    virtual void addLines(const QStringList& lines)
    {
        for (const QString& line : lines)
            addLine(line);
    }
    // A verdict: green for success, red for failure.
    virtual void addStatusLine(const QString& s, bool success) = 0;

    // Shown from begin to end; percent is 0 to 100 while an FPGA is
    // programmed, -1 for "busy, no figure".
    virtual void beginBusy(const QString& text) = 0;
    virtual void showPercent(int percent) = 0;
    virtual void endBusy() = 0;
    // A step under way takes longer than announced: said with the busy
    // state too, where it is shown apart from the log.
    virtual void showBusyNote(const QString&) {}

    // The instrument holds newer firmware than this release: write anyway?
    virtual bool confirmDowngrade() = 0;
    // Nothing answers: which model to bootstrap, or none to stop.
    virtual std::optional<int> chooseModel() = 0;

    // A combination of Action values; the others are withdrawn.
    virtual void offerActions(int actions) = 0;

    // What the operator is told to do next, in this front end's words: the
    // window names its buttons. Empty where nothing is to be said.
    // After a check that offers the action (UpdateAction or RestoreAction):
    virtual QString continueLine(Action offered) const;
    // After a write's verdict:
    virtual QString closingLine() const;
    // Why nothing is written to an instrument with newer firmware once
    // confirmDowngrade() said no, for the report, naming the instrument
    // ("RZ610R 12345"):
    virtual QString downgradeDeclinedLine(const QString& instrument) const;

    // Puts every line so far on the disk, so a write the instrument does
    // not survive, or its outcome, is still on record.
    virtual void syncLog() {}

    // Why the flow failed or refused, in one line (usually one already
    // shown), for a report a script reads instead of the lines.
    virtual void noteReason(const QString& line) { Q_UNUSED(line) }
    // A component of the instrument was erased: what a script must know
    // whatever the write's outcome, since the instrument is no longer as it was.
    virtual void noteErased() {}

    // The file this run's lines are kept in, for the update history; empty
    // when there is none.
    virtual QString sessionLogPath() const { return QString(); }
    // The device library's own name for its version, as the banner gave
    // it; empty when no banner asked.
    virtual QString libraryVersion() const { return QString(); }
};

// How a flow ended, for the front end to show or turn into an exit code.
enum class FlowOutcome {
    Done,         // checked, or written successfully
    Refused,      // stopped before anything was written
    NothingFound, // no instrument answered
    Failed,       // a write or a query failed
    Cancelled,    // the operator chose to stop
    Stalled,      // the instrument stopped answering a call, which was abandoned
};

#endif
