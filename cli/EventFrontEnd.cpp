#include "cli/EventFrontEnd.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonValue>

namespace {

double seconds(std::chrono::milliseconds time)
{
    return double(time.count()) / 1000.0;
}

double secondsSince(const QElapsedTimer& clock)
{
    return seconds(std::chrono::milliseconds(clock.elapsed()));
}

const char* lineKind(RunDisplay::Kind kind)
{
    switch (kind) {
    case RunDisplay::Kind::Warning:
        return "warning";
    case RunDisplay::Kind::Success:
    case RunDisplay::Kind::Failure:
    case RunDisplay::Kind::Conclusion:
        return "verdict";
    case RunDisplay::Kind::Plain:
    case RunDisplay::Kind::Notice:
        break;
    }
    return "progress";
}

} // namespace

// The objects alone go to the stream; the status line a terminal redraws
// on standard error is not drawn, the progress objects saying as much.
EventFrontEnd::EventFrontEnd(std::FILE* stream, const QString& command)
    : TerminalFrontEnd(stream), out(stream)
{
    ticker.setInterval(1000);
    QObject::connect(&ticker, &QTimer::timeout, [this] { showProgress(); });
    put("start", {{"format", format}, {"command", command}});
}

EventFrontEnd::~EventFrontEnd() = default;

// English, as the session log and the report keep them; a verdict says
// whether the write succeeded, a notice is the stop's.
void EventFrontEnd::showLines(const OperatorLines& lines, Kind kind)
{
    for (const OperatorText& text : lines) {
        const QString line = text.english();
        if (kind == Kind::Notice) {
            put("stop", {{"text", line}});
            continue;
        }
        QJsonObject fields{{"kind", QString::fromLatin1(lineKind(kind))}, {"text", line}};
        if (kind == Kind::Success || kind == Kind::Failure)
            fields.insert("success", kind == Kind::Success);
        put("line", fields);
    }
}

void EventFrontEnd::beginBusy(const OperatorText&)
{
    busyFor.start();
    stepFor.invalidate();
    component.clear();
    percent = -1;
    ticker.start();
}

// A new figure at once; the time that passed once a second meanwhile.
void EventFrontEnd::showPercent(int value)
{
    if (value == percent)
        return;
    percent = value;
    if (percent >= 0)
        showProgress();
}

void EventFrontEnd::endBusy()
{
    ticker.stop();
    busyFor.invalidate();
    stepFor.invalidate();
}

void EventFrontEnd::showStepStart(const QString& name, std::chrono::milliseconds estimate,
                                  std::chrono::milliseconds budget)
{
    component = name;
    percent = -1; // a figure is the step's own
    stepFor.start();
    put("step", {{"component", name}, {"estimate", seconds(estimate)}, {"budget", seconds(budget)}});
}

void EventFrontEnd::showReason(const OperatorText& reason)
{
    put("line", {{"kind", "failure"}, {"text", reason.english()}});
}

void EventFrontEnd::showReport(const QJsonObject& report)
{
    put("report", {{"report", report}});
}

// Before the first step (the instrument opened, perhaps bootstrapped) the
// time counts from the write's start, and names no component.
void EventFrontEnd::showProgress()
{
    if (!busyFor.isValid())
        return;
    const bool inStep = stepFor.isValid();
    put("progress", {{"component", inStep ? QJsonValue(component) : QJsonValue()},
                     {"percent", percent >= 0 ? QJsonValue(percent) : QJsonValue()},
                     {"elapsed", secondsSince(inStep ? stepFor : busyFor)}});
}

// Once the output cannot take an object (a reader that went away, a full
// disk) nothing more is written there; the work goes on, and the session
// log keeps every line.
void EventFrontEnd::put(const char* type, QJsonObject fields)
{
    if (outputLost)
        return;
    fields.insert("type", QString::fromLatin1(type));
    fields.insert("time", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    std::fputs(QJsonDocument(fields).toJson(QJsonDocument::Compact).constData(), out);
    std::fputc('\n', out);
    outputLost = std::fflush(out) != 0 || std::ferror(out);
}
