#include "records/run/Transcript.h"

#include "catalogue/OperatorText.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ModelTable.h"
#include "families/CallBudget.h"
#include "families/CallRecorder.h"
#include "families/DeviceFamily.h"
#include "records/run/PendingUpdate.h"
#include "host/StateFolder.h"
#include "records/history/HistoryReader.h"

#include <QMap>

Transcript::Transcript(Show show)
    : show(std::move(show))
{
}

void Transcript::begin(bool showBanner, const QString& action, const QString& replayed)
{
    openLog(replayed.isEmpty());
    CallRecorder::describeRun(QStringLiteral(RZ_UPDATER_VERSION), action);
    writeBanner(showBanner);
    reportLostLog();
    reportLostRecording();
    const OperatorText notShared = stateFolderNotSharedLine();
    if (!notShared.isEmpty())
        add(notShared);
    sayWhatRuns(replayed);
}

void Transcript::openLog(bool removeOld)
{
    log = std::make_unique<SessionLog>();
    if (!removeOld)
        return;
    if (const std::optional<QStringList> named = logsOnRecord())
        log->removeOldFiles(*named);
}

// What makes this run unlike an operator's, where every reader of its
// lines sees it: the log, the terminal, the report.
void Transcript::sayWhatRuns(const QString& replayed)
{
    if (!replayed.isEmpty())
        add(OperatorText::tr("Rehearsal: the device library replays the recording %1; no instrument is written, "
                             "and the update history and the pending records are left as they are.")
                .arg(replayed));
    const OperatorText scaled = CallBudget::scaleLine();
    if (!scaled.isEmpty())
        add(scaled);
}

// The logs that tell what happened to an instrument: those the pending
// records and the newest attempts name. While the history cannot be read,
// which ones it names is not known, and no log is removed; the update that
// next records an attempt says why it cannot be read.
std::optional<QStringList> Transcript::logsOnRecord()
{
    const HistoryReader history([](const OperatorText&) {});
    std::optional<QStringList> named = history.recentLogs(SessionLog::attemptsKept);
    if (named)
        *named += PendingUpdate::namedLogs();
    return named;
}

void Transcript::writeBanner(bool showBanner)
{
    library = DeviceFamily::libraryVersion();
    OperatorLines lines{OperatorText::tr("%1 firmware updater").arg(productLine()),
                        OperatorText::tr("Using RZ API version %1").arg(library), OperatorText(),
                        OperatorText::tr("Please read below before continuing."), OperatorText()};
    for (const Model& model : ModelTable::models())
        lines << OperatorText::tr("Updates %1 to firmware version %2").arg(model.name).arg(model.target.versionString());
    lines << OperatorText() << OperatorText::tr("Ensure only one Pellanor device is connected to the PC.")
          << connectionLines();
    log->write(OperatorText::englishOf(lines + OperatorLines{disconnectWarning(), disconnectConsequence()}));
    bannerHidden = !showBanner;
    if (!showBanner)
        return;
    show(lines, Kind::Plain);
    show({disconnectWarning()}, Kind::Warning);
    show({disconnectConsequence()}, Kind::Plain);
}

OperatorText Transcript::disconnectWarning()
{
    return OperatorText::tr("Do NOT disconnect the device at any time during the update.");
}

OperatorText Transcript::disconnectConsequence()
{
    return OperatorText::tr("Disconnecting the device during an update can leave your device in an unoperable state.");
}

void Transcript::warnBeforeWriting()
{
    if (!bannerHidden)
        return;
    add(OperatorText::tr("Using RZ API version %1").arg(library));
    add({disconnectWarning()}, Kind::Warning);
    add(disconnectConsequence());
}

// "Connect A, B, and C devices over USB 3.0.", a line for each cable, in
// the order the models come.
OperatorLines Transcript::connectionLines()
{
    QStringList cables;
    QMap<QString, QStringList> models;
    for (const Model& model : ModelTable::models()) {
        if (!cables.contains(model.cable))
            cables << model.cable;
        models[model.cable] << model.name;
    }
    OperatorLines lines;
    for (const QString& cable : qAsConst(cables)) {
        QStringList names = models.value(cable);
        OperatorText listed = OperatorText::verbatim(names.takeFirst());
        // "A", "A and B", "A, B, and C"; each language joins them its way.
        const QString last = names.isEmpty() ? QString() : names.takeLast();
        for (const QString& name : qAsConst(names))
            listed = OperatorText::tr("%1, %2").arg(listed).arg(name);
        if (!last.isEmpty()) {
            listed = names.isEmpty() ? OperatorText::tr("%1 and %2").arg(listed).arg(last)
                                     : OperatorText::tr("%1, and %2").arg(listed).arg(last);
        }
        lines << OperatorText::tr("Connect %1 devices over %2.").arg(listed).arg(cable);
    }
    return lines;
}

void Transcript::add(const OperatorText& line)
{
    keep({line}, Kind::Plain);
}

void Transcript::add(const OperatorLines& lines, Kind kind)
{
    keep(lines, kind);
}

void Transcript::keep(const OperatorLines& lines, Kind kind)
{
    show(lines, kind);
    if (log)
        log->write(OperatorText::englishOf(lines));
    reportLostLog();
    reportLostRecording();
}

void Transcript::sync()
{
    if (log)
        log->sync();
    reportLostLog();
}

QString Transcript::logPath() const
{
    return log && log->isOpen() ? log->filePath() : QString();
}

// Said once; the work goes on without the file.
void Transcript::reportLostLog()
{
    if (!log || log->isOpen() || lossReported)
        return;
    lossReported = true;
    add(OperatorText::tr("Could not keep a log file: %1").arg(log->errorString()));
}

// Said once, whenever the recording file stops taking lines; the run goes on
// unrecorded.
void Transcript::reportLostRecording()
{
    const OperatorText line = CallRecorder::takeLostLine();
    if (!line.isEmpty())
        add(line);
}
