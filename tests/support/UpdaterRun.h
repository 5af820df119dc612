#ifndef UPDATERRUN_H
#define UPDATERRUN_H

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QStringList>

// The updater as a script runs it: no display, the simulated instrument
// loaded even when the updater was built against another device library,
// installed in a prefix that trusts the demo key the test's releases are
// signed with.
class UpdaterRun
{
public:
    // `variables` are set in the updater's environment, as another state
    // folder, say. A `readerCommand` (program and arguments) takes the updater's
    // standard output, as in `updater | sed`: once it quits, the updater's
    // next line meets a pipe with no reader. Closing this side's read channel
    // would not do that, as Qt goes on draining the pipe. A `launcher`
    // (program and arguments) starts the updater, as another account, say.
    explicit UpdaterRun(const QStringList& arguments, bool withDisplayVariables = true,
                        const QMap<QString, QString>& variables = {}, const QStringList& readerCommand = {},
                        const QStringList& launcher = {});

    // Waits for the end, if it has not come yet; the exit code, or -1 when
    // the updater crashed or was killed.
    int finish();
    // Standard output by lines, once finished.
    QStringList lines() const;

    QProcess process;
    QProcess reader;
    QByteArray output;
    QByteArray errors;
};

#endif
