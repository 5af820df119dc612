#include "app/StartRefusal.h"

#include "catalogue/OperatorText.h"
#include "host/UpdaterLock.h"

#include <QMessageBox>

// The command is selectable, to be pasted into a request to whoever
// administers the machine; the whole line stays under the details.
void StartRefusal::show(const UpdaterLock& lock, const QString& title)
{
    QMessageBox box(QMessageBox::Warning, title, tr("The firmware updater cannot start."), QMessageBox::Ok);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    const auto& refusal = lock.groupRefusal();
    if (refusal) {
        box.setText(tr("The account %1 is not in the group %2, whose members may use the firmware updater.")
                        .arg(refusal->account(), refusal->group()));
        box.setInformativeText(tr("Ask whoever administers this computer to add the account to the group, "
                                  "for example with:\n\nsudo adduser %1 %2\n\n"
                                  "Then log out, log in again and start the updater anew.")
                                   .arg(refusal->account(), refusal->group()));
        box.setDetailedText(lock.errorLine().translated());
    } else {
        box.setInformativeText(lock.errorLine().translated());
    }
    box.exec();
}
