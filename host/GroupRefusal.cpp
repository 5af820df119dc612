#include "host/GroupRefusal.h"

#include "catalogue/OperatorText.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

// The groups the kernel gives this process, which are those of the account
// at its login, not those it has been given since.
bool inGroup(gid_t group)
{
    if (::getegid() == group)
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(size_t(count), 0);
    const int filled = ::getgroups(count, groups.data());
    for (int index = 0; index < filled; ++index) {
        if (groups[size_t(index)] == group)
            return true;
    }
    return false;
}

QString groupName(gid_t group)
{
    const struct group* found = ::getgrgid(group);
    return found ? QString::fromLocal8Bit(found->gr_name) : QString::number(group);
}

QString accountName()
{
    const struct passwd* found = ::getpwuid(::geteuid());
    return found ? QString::fromLocal8Bit(found->pw_name) : QString::number(::geteuid());
}

} // namespace

// What cannot be looked at is refused by the folder above it.
GroupRefusal::GroupRefusal(const QString& path)
{
    QString looked = path;
    struct stat status = {};
    while (::lstat(QFile::encodeName(looked).constData(), &status) != 0) {
        const QString above = QFileInfo(looked).path();
        if (errno != EACCES || above == looked)
            return;
        looked = above;
    }
    // Joining helps only where the group is given more than everyone else,
    // and not where the account owns the file or has the group already.
    const mode_t groupOnly = ((status.st_mode & S_IRWXG) >> 3) & ~(status.st_mode & S_IRWXO);
    if (groupOnly == 0 || status.st_uid == ::geteuid() || inGroup(status.st_gid))
        return;
    refused = looked;
    groupName = ::groupName(status.st_gid);
    accountName = ::accountName();
}

OperatorText GroupRefusal::line() const
{
    if (!applies())
        return OperatorText();
    return OperatorText::tr("only members of the group %1 may use %2; add the account %3 to that group "
                            "(sudo adduser %3 %1), then log out and log in again.")
        .arg(groupName)
        .arg(refused)
        .arg(accountName);
}
