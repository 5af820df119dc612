#include "simulator/CallReplay.h"

#include "catalogue/PrintableText.h"
#include "simulator/InstrumentState.h"
#include "simulator/VirtualInstrument.h"

#include <QFile>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

CallReplay* CallReplay::active()
{
    if (qEnvironmentVariableIsEmpty("RZ_SIM_REPLAY"))
        return nullptr;
    static CallReplay replay;
    return &replay;
}

// Relative paths are taken from the folder the process started in: the
// updater works from a folder of its own while it writes.
CallReplay::CallReplay()
{
    const QString file = InstrumentState::inStartFolder(qEnvironmentVariable("RZ_SIM_REPLAY"));
    path = QFile::encodeName(file);
    if (!recording.load(file, &unreadable)) {
        std::fprintf(stderr, "rzsim replay: %s\n", qPrintable(PrintableText::of(unreadable)));
    } else if (recording.header().value("library").isString()) {
        version = recording.header().value("library").toString().toLocal8Bit();
    }
    bool ok = false;
    const double scale = qEnvironmentVariable("RZ_SIM_TIME_SCALE").toDouble(&ok);
    if (ok && std::isfinite(scale) && scale >= 0)
        timeScale = scale;
}

int CallReplay::answer(CallTrace& trace)
{
    std::unique_lock<std::mutex> lock(mutex);
    const qint64 number = ++calls;
    const QJsonObject inputs = trace.inputs();
    const QString came = Recording::describe(QLatin1String(trace.call()), inputs);
    if (!unreadable.isEmpty())
        return diverge(trace, number, QStringLiteral("the recording is unreadable (%1), came %2").arg(unreadable, came));
    if (number > qint64(recording.calls().size()))
        return diverge(trace, number, QStringLiteral("expected the end of the recording, came ") + came);
    const QJsonObject& expected = recording.calls()[size_t(number - 1)];
    const QString function = expected.value("function").toString();
    const QJsonObject expectedInputs = expected.value("inputs").toObject();
    if (function != QLatin1String(trace.call()) || expectedInputs != inputs)
        return diverge(trace, number,
                       QStringLiteral("expected %1, came %2").arg(Recording::describe(function, expectedInputs), came));
    lock.unlock();
    if (!Recording::returned(expected)) {
        for (;;)
            std::this_thread::sleep_for(std::chrono::hours(1));
    }
    // An absurd duration waits about forever rather than wrapping to none.
    const double microseconds = expected.value("durationMs").toDouble() * timeScale * 1000;
    if (microseconds > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(Recording::saturated(microseconds)));
    trace.answer(expected.value("outputs").toObject());
    return Recording::status(expected);
}

int CallReplay::diverge(CallTrace& trace, qint64 number, const QString& what)
{
    const QString line =
        QStringLiteral("rzsim replay: diverged at call %1: %2").arg(number).arg(PrintableText::of(what));
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
    trace.setReason(line);
    return VirtualInstrument::Failure;
}
