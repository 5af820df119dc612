#ifndef UPDATERRUN_H
#define UPDATERRUN_H

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// The updater as a script runs it: no display, the simulated instrument
// loaded even when the updater was built against another device library.
class UpdaterRun
{
public:
    explicit UpdaterRun(const QStringList& arguments, bool withDisplayVariables = true);

    // Waits for the end; the exit code, or -1 when the updater crashed or was killed.
    int finish();
    // Standard output by lines, once finished.
    QStringList lines() const;

    QProcess process;
    QByteArray output;
    QByteArray errors;
};

#endif
