#ifndef RECORDINGFRONTEND_H
#define RECORDINGFRONTEND_H

#include "tests/support/LinesAfter.h"
#include "workflows/FrontEnd.h"

#include <QList>
#include <QStringList>

// A front end that keeps what a flow shows and answers its questions from
// a script: flows tested in-process, without windows or dialog timers.
// A verdict is kept with its colour: "[green] ..." or "[red] ...", and a
// question where it was asked: "[asked] downgrade" or "[asked] model".
class RecordingFrontEnd : public FrontEnd
{
public:
    void addLine(const QString& s) override { lines << s; }
    void addStatusLine(const QString& s, bool success) override
    {
        lines << (success ? QStringLiteral("[green] ") : QStringLiteral("[red] ")) + s;
    }
    void beginBusy(const QString&) override {}
    // Each new figure, as a bar would change.
    void showPercent(int percent) override
    {
        if (percents.isEmpty() || percents.last() != percent)
            percents << percent;
    }
    void endBusy() override {}
    bool confirmDowngrade() override
    {
        lines << QStringLiteral("[asked] downgrade");
        return downgradeAnswer;
    }
    std::optional<int> chooseModel() override
    {
        lines << QStringLiteral("[asked] model");
        return modelAnswer;
    }
    void offerActions(int actions) override { offered = actions; }

    QStringList linesAfter(const QString& heading) const { return ::linesAfter(lines, heading); }

    bool downgradeAnswer = false;
    std::optional<int> modelAnswer;

    QStringList lines;
    QList<int> percents;
    int offered = NoAction;
};

#endif
