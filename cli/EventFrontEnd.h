#ifndef EVENTFRONTEND_H
#define EVENTFRONTEND_H

#include "cli/TerminalFrontEnd.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QString>
#include <QTimer>

#include <cstdio>

// `--events`: the terminal's run as a stream of JSON objects, one a line,
// each flushed as it happens, for a station's software or a dashboard to
// follow: the lines with their kind, each step's start with its estimate
// and budget, progress as a figure and the time that passed, the notices
// that answer a stop, and the report last. The questions are answered as
// on a terminal, by the command's options. The schema is operators.md's.
class EventFrontEnd : public TerminalFrontEnd
{
public:
    // Raised when a type or field changes its meaning or goes; types and
    // fields may be added without it.
    static constexpr int format = 1;

    // The first object, of type "start", names `command` and the format.
    EventFrontEnd(std::FILE* stream, const QString& command);
    ~EventFrontEnd() override;

    void showLines(const OperatorLines& lines, Kind kind) override;
    void beginBusy(const OperatorText& text) override;
    void showPercent(int percent) override;
    void endBusy() override;
    void showStepStart(const QString& component, std::chrono::milliseconds estimate,
                       std::chrono::milliseconds budget) override;
    void showReason(const OperatorText& reason) override;

    // The last object: the report --json prints.
    void showReport(const QJsonObject& report);

private:
    void showProgress();
    // One object: its type and the time first, then `fields`.
    void put(const char* type, QJsonObject fields);

    std::FILE* out;
    bool outputLost = false;
    QTimer ticker;
    QElapsedTimer busyFor;
    QElapsedTimer stepFor;
    QString component; // the step under way; empty before the first
    int percent = -1;
};

#endif
