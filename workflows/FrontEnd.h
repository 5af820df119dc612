#ifndef FRONTEND_H
#define FRONTEND_H

#include "records/run/FlowOutcome.h"
#include "records/run/RunDisplay.h"

#include <QString>

#include <optional>

// What the check, update and restore flows need from the person running
// them, whether through the window or a terminal: what the run's record
// shows (RunDisplay), a busy state while a worker runs, two questions, which
// actions are offered, and what to do next in this front end's words.
// Showing and asking only: the session log, the history and the report are
// the run's record's (RunRecord), and nothing is read back from here.
class FrontEnd : public RunDisplay
{
public:
    enum Action { NoAction = 0, CheckAction = 1, UpdateAction = 2, RestoreAction = 4 };

    // Shown from begin to end, with showPercent()'s figures and
    // showBusyNote()'s notes between.
    virtual void beginBusy(const OperatorText& text) = 0;
    virtual void endBusy() = 0;

    // The instrument holds newer firmware than this release: write anyway?
    virtual bool confirmDowngrade() = 0;
    // Nothing answers: which model to bootstrap, or none to stop.
    virtual std::optional<int> chooseModel() = 0;
    // Nothing answers and no model was named: may the one update on record
    // that did not finish name the model to bootstrap? Only where the
    // operator asked to finish it; elsewhere the records are named and
    // chooseModel() asked.
    virtual bool finishesUnfinishedUpdate() const { return false; }
    // The absolute path of the release folder the operator named; empty to
    // search for the release as ReleaseFolder does.
    virtual QString releaseFolder() const { return QString(); }

    // A combination of Action values; the others are withdrawn.
    virtual void offerActions(int actions) = 0;

    // What the operator is told to do next, in this front end's words: the
    // window names its buttons. Empty where nothing is to be said.
    // After a check that offers the action (UpdateAction or RestoreAction):
    virtual OperatorText continueLine(Action offered) const;
    // After a write's verdict:
    virtual OperatorText closingLine() const;
    // After a write that succeeded, naming the instrument ("RZ610R 12345")
    // and the release's version it now holds; the window's verdict says
    // enough.
    virtual OperatorText writtenLine(const QString& instrument, const QString& version) const;
    // Why nothing is written to an instrument with newer firmware once
    // confirmDowngrade() said no, for the report, naming the instrument
    // ("RZ610R 12345"):
    virtual OperatorText downgradeDeclinedLine(const QString& instrument) const;
};

#endif
