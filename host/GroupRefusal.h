#ifndef GROUPREFUSAL_H
#define GROUPREFUSAL_H

#include "catalogue/OperatorText.h"

#include <QString>

// The package shares the lock and the state folder with a group (plugdev),
// so an account outside it is refused them with a bare "Permission denied"
// that does not say what to do; and an account added to the group gets it
// only at its next login, which nothing tells it either. This names the
// group, the account and both steps.
class GroupRefusal
{
public:
    // The refusal of `path`, or of the nearest folder above it that can be
    // looked at: it applies when that belongs to a group that is given some
    // access to it and this process is not in that group.
    explicit GroupRefusal(const QString& path);

    bool applies() const { return !groupName.isEmpty(); }
    QString group() const { return groupName; }
    QString account() const { return accountName; }
    // What was refused: `path`, or the folder above it.
    QString path() const { return refused; }
    // "only members of the group ... may use ...; add the account ... to it
    // ... and log in again.", to follow a "...: "; empty when not applies().
    OperatorText line() const;

private:
    QString refused;
    QString groupName;
    QString accountName;
};

#endif
