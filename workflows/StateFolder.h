#ifndef STATEFOLDER_H
#define STATEFOLDER_H

#include <QString>

// Where the updater keeps what must outlive a run: $XDG_STATE_HOME
// (default ~/.local/state) /rz-firmware-updater.
QString stateFolder();

#endif
