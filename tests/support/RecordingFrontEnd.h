#ifndef RECORDINGFRONTEND_H
#define RECORDINGFRONTEND_H

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
    void beginBusy(const QString& text) override { busyTexts << text; }
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

    // The lines after the last heading line and the blank line after it.
    QStringList linesAfter(const QString& heading) const
    {
        const int at = lines.lastIndexOf(heading);
        return at < 0 ? QStringList() : lines.mid(at + 2);
    }

    bool downgradeAnswer = false;
    std::optional<int> modelAnswer;

    QStringList lines;
    QStringList busyTexts;
    QList<int> percents;
    int offered = NoAction;
};

#endif
