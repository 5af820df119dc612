#ifndef HISTORYTABLEMODEL_H
#define HISTORYTABLEMODEL_H

#include "records/history/HistoryReader.h"
#include "records/history/UpdateAttempt.h"

#include <QAbstractTableModel>
#include <QList>

// The attempts as the history window's table shows them, newest first, a
// column for every field of the history (the table hides those it does not
// show). Read a page at a time as the table is scrolled, so that a long
// history opens as fast as a short one. This window's updater holds the
// machine's lock: a pending attempt is from one that died.
class HistoryTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Reads through `reader`, which must outlive it.
    HistoryTableModel(const HistoryReader& reader, QObject* parent);

    // The attempts the filter lets through, from the newest again.
    void show(const HistoryReader::Filter& filter);
    const UpdateAttempt& attemptAt(int row) const;
    // Whether the table shows a column.
    static bool isShown(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    const HistoryReader& reader;
    HistoryReader::Filter filter;
    QList<UpdateAttempt> attempts;
    qint64 nextBefore = 0; // the next page's attempts are older than this one
    bool fetchedAll = true;
};

#endif
