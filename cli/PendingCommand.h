#ifndef PENDINGCOMMAND_H
#define PENDINGCOMMAND_H

#include <QCoreApplication>
#include <QString>

#include <optional>

class QCommandLineParser;

// `rz-firmware-updater pending`: the updates and restores that did not
// finish on this machine, whose records stay until their instrument is
// written successfully. An instrument that never comes back leaves its
// record for good: `pending --discard SERIAL` lets it go, and the history
// keeps who did and when. Listing needs no lock; a discard takes the
// machine's lock, since the updater that holds it may be writing that
// record.
class PendingCommand
{
    Q_DECLARE_TR_FUNCTIONS(PendingCommand)

public:
    // False, after a line on standard error, when an option is bad.
    bool readOptions(const QCommandLineParser& parser, const std::optional<int>& model);
    // Prints on standard output; the exit code.
    int run() const;

private:
    int list() const;
    int discard() const;

    std::optional<int> model;
    int discardSerial = 0; // 0: list
    bool json = false;
};

#endif
