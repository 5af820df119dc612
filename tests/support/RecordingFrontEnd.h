#ifndef RECORDINGFRONTEND_H
#define RECORDINGFRONTEND_H

#include "workflows/FrontEnd.h"

#include <QStringList>

// A front end that keeps what a flow shows and answers its questions from
// a script: flows tested in-process, without windows or dialog timers.
// A verdict is kept with its colour: "[green] ..." or "[red] ...".
class RecordingFrontEnd : public FrontEnd
{
public:
    void addLine(const QString& s) override { lines << s; }
    void addStatusLine(const QString& s, bool success) override
    {
        lines << (success ? QStringLiteral("[green] ") : QStringLiteral("[red] ")) + s;
    }
    void beginBusy(const QString& text) override { busyTexts << text; }
    void showPercent(int) override {}
    void endBusy() override {}
    bool confirmDowngrade() override { return downgradeAnswer; }
    std::optional<int> chooseModel() override { return modelAnswer; }
    void offerActions(int actions) override { offered = actions; }

    bool downgradeAnswer = false;
    std::optional<int> modelAnswer;

    QStringList lines;
    QStringList busyTexts;
    int offered = NoAction;
};

#endif
