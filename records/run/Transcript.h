#ifndef TRANSCRIPT_H
#define TRANSCRIPT_H

#include "host/SessionLog.h"
#include "records/run/RunDisplay.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

// One run's account of what the operator is told, for every front end: the
// banner (which device library answered, what this release carries), then
// each line, kept in the run's session log and handed to the front end to
// show. A log that cannot be kept is said once; the run goes on without it.
// The log is made by begin(): a run the updater lock refuses keeps none, and
// removes none of another run's.
class Transcript
{
public:
    using Kind = RunDisplay::Kind;
    using Show = std::function<void(const OperatorLines& lines, Kind kind)>;

    explicit Transcript(Show show);

    // The banner, which asks the device library its version: to the session
    // log always, and shown when `showBanner` (the window; a terminal keeps
    // its output to the flows'). Then what the log and the state folder
    // cannot do. Once the updater lock is held, for no second updater asks
    // the library anything. `action` is what the run is for (the command
    // and its options, or "window"), as a recording of the library's calls
    // names it. A rehearsal (`replayed` names the recording the library
    // replays) says so, and removes no earlier run's log.
    void begin(bool showBanner, const QString& action, const QString& replayed);

    // Before the first erase: what the banner warns of and which library
    // answers, shown where the banner was kept in the log but not shown (a
    // terminal), so that a script's operator reads them too.
    void warnBeforeWriting();

    void add(const OperatorText& line);
    void add(const OperatorLines& lines, Kind kind = Kind::Plain);
    // Everything so far on disk: before an erase, after a verdict.
    void sync();

    // Empty when no log file could be kept.
    QString logPath() const;
    // The device library's own name for its version, as the banner gave it.
    QString libraryVersion() const { return library; }

private:
    void openLog(bool removeOld);
    void sayWhatRuns(const QString& replayed);
    static std::optional<QStringList> logsOnRecord();
    void writeBanner(bool showBanner);
    static OperatorLines connectionLines();
    static OperatorText disconnectWarning();
    static OperatorText disconnectConsequence();
    void keep(const OperatorLines& lines, Kind kind);
    void reportLostLog();
    void reportLostRecording();

    Show show;
    QString library;
    std::unique_ptr<SessionLog> log; // made by begin()
    bool lossReported = false;
    bool bannerHidden = false; // written to the log, not shown
};

#endif
