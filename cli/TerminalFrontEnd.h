#ifndef TERMINALFRONTEND_H
#define TERMINALFRONTEND_H

#include "workflows/FrontEnd.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

#include <cstdio>

// The flows' front end on a terminal: lines go out as they come, the
// questions are answered by the command's options, and on a terminal the
// FPGA percentage and the time of a long step are redrawn on one line of
// standard error. The run's record keeps every line in the session log;
// the terminal shows the flows' lines alone, not the banner. What to do
// next is said as the command to run: there are no buttons to press.
class TerminalFrontEnd : public FrontEnd
{
public:
    // Lines go to `lines`; the status line to stderr when it is a terminal.
    explicit TerminalFrontEnd(std::FILE* lines);
    ~TerminalFrontEnd() override;

    bool allowDowngrade = false;
    std::optional<int> model; // the model to bootstrap when nothing answers
    // restore without a model: the one update on record that did not finish
    // names it.
    bool finishesRecord = false;
    // update or restore: the command writes after its check by itself, so
    // there is no next command to name.
    bool writesAfterCheck = false;
    // Only the verdict is printed, by printVerdict(), and no status line.
    bool quiet = false;
    QString firmware; // the release folder named, absolute; empty to search

    // Quiet: the last verdict shown, a write's or else the check's; nothing
    // where the run ended before either.
    void printVerdict();

    void showLines(const OperatorLines& lines, Kind kind) override;
    void beginBusy(const OperatorText& text) override;
    void showPercent(int percent) override;
    void endBusy() override;
    bool confirmDowngrade() override;
    std::optional<int> chooseModel() override;
    bool finishesUnfinishedUpdate() const override { return finishesRecord; }
    QString releaseFolder() const override { return firmware; }
    void offerActions(int actions) override;
    OperatorText continueLine(Action offered) const override;
    OperatorText closingLine() const override { return OperatorText(); }
    OperatorText writtenLine(const QString& instrument, const QString& version) const override;
    OperatorText downgradeDeclinedLine(const QString& instrument) const override;

private:
    void print(const OperatorText& line);
    void drawStatus();
    void clearStatus();

    std::FILE* out;
    bool outputLost = false;
    OperatorText verdict;
    bool downgradeConfirmed = false;
    bool statusShown = false;
    const bool statusOnTerminal;
    QTimer statusTicker;
    QElapsedTimer busyFor;
    int percent = -1;
};

#endif
