#ifndef STATEFOLDER_H
#define STATEFOLDER_H

#include "catalogue/OperatorText.h"

#include <QString>

// Where the updater keeps what must outlive a run (pending records, session
// logs): one folder for the whole machine, so an update interrupted under
// one account is finished under another.
//
// $RZ_STATE_DIR when set (tests, benches, several benches on one machine);
// else /var/lib/rz-firmware-updater, which the package makes root:plugdev
// 2770; else, where that cannot be written, the account's own folder
// ($XDG_STATE_HOME, default ~/.local/state, /rz-firmware-updater). Clean.
QString stateFolder();

// The line that refuses a state folder named by a relative path; null when
// the folder is named by an absolute one. The folder is reached by its path
// all through a run, and the process's working folder is not where it
// started while a write runs (the library reads the verified copies from
// theirs), so a relative one would lead anywhere.
OperatorText stateFolderProblem();

// Why the account's own folder is used: empty when the folder is shared.
OperatorText stateFolderNotShared();

// The line that tells the operator so, empty when the folder is shared.
OperatorText stateFolderNotSharedLine();

// The account's own folder, where earlier releases kept their records.
QString userStateFolder();

#endif
