#ifndef HISTORYDIALOG_H
#define HISTORYDIALOG_H

#include "workflows/UpdateAttempt.h"

#include <QDialog>
#include <QList>

#include <functional>

class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

// "Update History...": every update and restore on record, newest first, one
// line each, with a serial number filter. The selected attempt's session log
// can be opened, and the attempts shown saved as CSV, the same as
// `rz-firmware-updater history --csv` prints.
class HistoryDialog : public QDialog
{
    Q_OBJECT

public:
    using LineSink = std::function<void(const QString&)>;

    // Lines about a history that could not be read go to `say`.
    HistoryDialog(QWidget* parent, const LineSink& say);

    // Where "Export CSV..." writes; an empty answer means cancelled.
    // A file dialog unless replaced.
    std::function<QString(QWidget* parent)> askFileName;

public slots:
    void openSessionLog();
    void exportCsv();

private slots:
    void showOnlySerial(const QString& text);
    void updateButtons();

private:
    void buildTable();
    void fill();
    // The attempts the filter lets through, in the order shown.
    QList<UpdateAttempt> shownAttempts() const;
    static QString askWithDialog(QWidget* parent);

    QList<UpdateAttempt> attempts;
    QStandardItemModel* rows = nullptr;
    QSortFilterProxyModel* filtered = nullptr;
    QTableView* table = nullptr;
    QLineEdit* serialFilter = nullptr;
    QPushButton* openLogButton = nullptr;
    QPushButton* exportButton = nullptr;
};

#endif
