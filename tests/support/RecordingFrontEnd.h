#ifndef RECORDINGFRONTEND_H
#define RECORDINGFRONTEND_H

#include "tests/support/LinesAfter.h"
#include "records/run/RunRecord.h"
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
    // The lines in English, as the session log keeps them.
    void showLines(const OperatorLines& shown, Kind kind) override
    {
        for (const QString& s : OperatorText::englishOf(shown)) {
            if (kind == Kind::Success)
                lines << QStringLiteral("[green] ") + s;
            else if (kind == Kind::Failure)
                lines << QStringLiteral("[red] ") + s;
            else
                lines << s;
        }
    }
    void beginBusy(const OperatorText&) override {}
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

    // What a flow tested on its own says goes here; the window and the
    // command line have a session's.
    RunRecord record{*this, QStringLiteral("test")};

    bool downgradeAnswer = false;
    std::optional<int> modelAnswer;

    QStringList lines;
    QList<int> percents;
    int offered = NoAction;
};

#endif
