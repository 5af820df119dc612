#include "ui/HistoryTableModel.h"

#include "catalogue/OperatorText.h"
#include "catalogue/PrintableText.h"
#include "ui/HistoryDialog.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int rowsFetchedAtOnce = 256;

constexpr UpdateAttempt::Field shownColumns[] = {
    UpdateAttempt::Started,       UpdateAttempt::Action,        UpdateAttempt::Model, UpdateAttempt::Serial,
    UpdateAttempt::VersionBefore, UpdateAttempt::VersionTarget, UpdateAttempt::State,
};

// Local time as the session logs have it, with its offset from UTC, so that
// it reads unambiguously beside `history`'s UTC; an abbreviation such as CST
// would name more than one zone.
QString shownTime(const QDateTime& time)
{
    const QDateTime local = time.toLocalTime();
    const int offset = local.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss "))
           + QStringLiteral("%1%2:%3")
                 .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                 .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                 .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString shownAction(const QString& action)
{
    if (action == QLatin1String("update"))
        return HistoryDialog::tr("update");
    return action == QLatin1String("restore") ? HistoryDialog::tr("restore") : action;
}

// The history keeps English: the dialog shows the state in the operator's
// language and the error as it was kept.
QString shownResult(const UpdateAttempt& attempt)
{
    const QString state = attempt.shownState();
    return attempt.error.isEmpty() ? state : HistoryDialog::tr("%1: %2").arg(state, attempt.error);
}

} // namespace

HistoryTableModel::HistoryTableModel(const HistoryReader& reader, QObject* parent)
    : QAbstractTableModel(parent), reader(reader)
{
}

// The newest page at once; the rest as the table is scrolled.
void HistoryTableModel::show(const HistoryReader::Filter& shown)
{
    beginResetModel();
    filter = shown;
    attempts.clear();
    nextBefore = 0;
    fetchedAll = false;
    endResetModel();
    fetchMore(QModelIndex());
}

const UpdateAttempt& HistoryTableModel::attemptAt(int row) const
{
    return attempts.at(row);
}

bool HistoryTableModel::isShown(int column)
{
    return std::find(std::begin(shownColumns), std::end(shownColumns), column) != std::end(shownColumns);
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(attempts.size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(UpdateAttempt::FieldCount);
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const UpdateAttempt& attempt = attempts.at(index.row());
    switch (index.column()) {
    case UpdateAttempt::Started:
        return shownTime(attempt.started);
    case UpdateAttempt::Action:
        return PrintableText::of(shownAction(attempt.action));
    case UpdateAttempt::VersionBefore:
        return attempt.versionBefore.isEmpty() ? QStringLiteral("-") : PrintableText::of(attempt.versionBefore);
    case UpdateAttempt::State:
        return PrintableText::of(shownResult(attempt));
    default:
        return PrintableText::of(attempt.value(UpdateAttempt::Field(index.column())).toString());
    }
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case UpdateAttempt::Started: return HistoryDialog::tr("Time");
    case UpdateAttempt::Action: return HistoryDialog::tr("Action");
    case UpdateAttempt::Model: return HistoryDialog::tr("Model");
    case UpdateAttempt::Serial: return HistoryDialog::tr("Serial");
    case UpdateAttempt::VersionBefore: return HistoryDialog::tr("From");
    case UpdateAttempt::VersionTarget: return HistoryDialog::tr("Target");
    case UpdateAttempt::State: return HistoryDialog::tr("Result");
    default: return QVariant();
    }
}

bool HistoryTableModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !fetchedAll;
}

// A page goes on below the last id of the one before; an id a hand edit
// left no number ends the table there.
void HistoryTableModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const std::optional<QList<UpdateAttempt>> page = reader.page(filter, false, nextBefore, rowsFetchedAtOnce);
    fetchedAll = !page || page->size() < rowsFetchedAtOnce || page->last().id <= 0;
    if (!page || page->isEmpty())
        return;
    nextBefore = page->last().id;
    const int first = int(attempts.size());
    beginInsertRows(QModelIndex(), first, first + int(page->size()) - 1);
    attempts += *page;
    endInsertRows();
}
