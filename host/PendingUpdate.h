#ifndef PENDINGUPDATE_H
#define PENDINGUPDATE_H

#include <QString>
#include <QStringList>

// The record an update or a restore leaves before its first erase and
// removes after its green verdict. Found by a later check, it tells that the
// instrument may hold a mix of old and new firmware, even where the versions
// it reports look current (the network model reports only its FX3's).
class PendingUpdate
{
public:
    PendingUpdate(int deviceType, int serialNumber);

    // The components the unfinished operation was about to write; empty
    // when there is no record.
    QStringList components() const;
    bool exists() const { return !components().isEmpty(); }

    // False, with the reason, when the record could not be kept.
    bool write(const QStringList& components, const QString& targetVersion, QString* reason) const;
    // Empty once no record is left; else the path of one that could not be
    // removed.
    QString remove() const;

private:
    QString path() const;
    QString pathIn(const QString& folder) const;
    QString existingPath() const;

    int deviceType;
    int serialNumber;
};

#endif
