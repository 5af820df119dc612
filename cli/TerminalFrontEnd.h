#ifndef TERMINALFRONTEND_H
#define TERMINALFRONTEND_H

#include "workflows/FrontEnd.h"
#include "records/run/RunReport.h"
#include "records/run/Transcript.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

#include <cstdio>

// The flows' front end on a terminal: lines go out as they come, the
// questions are answered by the command's options, and on a terminal the
// FPGA percentage and the time of a long step are redrawn on one line of
// standard error. The transcript keeps every line, after the banner, in the
// run's session log; the terminal shows the flows' lines alone. Why a flow
// failed, and whether it erased anything, go to the run's report. What to
// do next is said as the command to run: there are no buttons to press.
class TerminalFrontEnd : public FrontEnd
{
public:
    // Lines go to `lines`; the status line to stderr when it is a terminal.
    TerminalFrontEnd(std::FILE* lines, RunReport& report);
    ~TerminalFrontEnd() override;

    bool allowDowngrade = false;
    std::optional<int> model; // the model to bootstrap when nothing answers
    // update or restore: the command writes after its check by itself, so
    // there is no next command to name.
    bool writesAfterCheck = false;

    // Once the updater lock is held: the session log's banner.
    void begin(const QString& action);

    void addLine(const QString& s) override;
    void addStatusLine(const QString& s, bool success) override;
    void beginBusy(const QString& text) override;
    void showPercent(int percent) override;
    void endBusy() override;
    bool confirmDowngrade() override;
    std::optional<int> chooseModel() override;
    void offerActions(int actions) override;
    QString continueLine(Action offered) const override;
    QString closingLine() const override { return QString(); }
    QString downgradeDeclinedLine(const QString& instrument) const override;
    void noteReason(const QString& line) override { report.setReason(line); }
    void noteErased() override { report.setErased(); }
    void syncLog() override;
    QString sessionLogPath() const override;
    QString libraryVersion() const override { return transcript.libraryVersion(); }

    // Every line so far, in order.
    const QStringList& writtenLines() const { return written; }

private:
    void printAll(const QStringList& lines);
    void print(const QString& s);
    void drawStatus();
    void clearStatus();

    std::FILE* out;
    RunReport& report;
    bool outputLost = false;
    bool downgradeConfirmed = false;
    QStringList written;
    bool statusShown = false;
    const bool statusOnTerminal;
    QTimer statusTicker;
    QElapsedTimer busyFor;
    int percent = -1;
    Transcript transcript;
};

#endif
