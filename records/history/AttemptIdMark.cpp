#include "records/history/AttemptIdMark.h"

#include "catalogue/OperatorText.h"
#include "host/StateFiles.h"
#include "host/StateFolder.h"

#include <utility>

namespace {

const QString markName = QStringLiteral("history.db.last-id");

} // namespace

AttemptIdMark::AttemptIdMark(LineSink lineSink) : say(std::move(lineSink)) {}

qint64 AttemptIdMark::usable() const
{
    QByteArray text;
    OperatorText unusable;
    const StateFiles folder(stateFolder(), QString(), false);
    if (folder.read(markName, 32, &text, &unusable) != StateFiles::Found::File)
        return 0;
    const qint64 mark = text.trimmed().toLongLong();
    if (mark < lastId)
        return mark;
    const QString kept = folder.setAside(markName);
    if (kept.isEmpty()) {
        say(OperatorText::tr("The update history's highest attempt id in %1 is beyond any it can hold; "
                             "it is left out.")
                .arg(folder.pathOf(markName)));
    } else {
        say(OperatorText::tr("The update history's highest attempt id in %1 is beyond any it can hold; "
                             "it was kept as %2.")
                .arg(folder.pathOf(markName))
                .arg(folder.pathOf(kept)));
    }
    return 0;
}

void AttemptIdMark::keep(qint64 id) const
{
    const StateFiles folder(stateFolder(), QString(), true);
    OperatorText why = folder.errorString();
    if (!folder.isOpen() || !folder.replace(markName, QByteArray::number(id) + '\n', &why))
        say(OperatorText::tr("The update history's highest attempt id could not be kept: %1").arg(why));
}
