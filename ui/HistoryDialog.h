#ifndef HISTORYDIALOG_H
#define HISTORYDIALOG_H

#include "records/history/HistoryReader.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLineEdit;
class QPushButton;
class QSaveFile;
class QTableView;
class HistoryTableModel;
class QTimer;

// "Update History...": every update and restore on record, newest first, one
// line each, with a serial number filter. The table reads the history as it
// is scrolled, so a long one opens as fast as a short one. The selected
// attempt's session log can be opened, and the attempts shown saved as CSV,
// the same as `rz-firmware-updater history --csv` prints.
class HistoryDialog : public QDialog
{
    Q_OBJECT

public:
    using LineSink = std::function<void(const OperatorText&)>;

    // Lines about a history that could not be read go to `say`.
    HistoryDialog(QWidget* parent, const LineSink& say);
    ~HistoryDialog() override;

    // Where "Export CSV..." writes; an empty answer means cancelled.
    // A file dialog starting in the documents folder unless replaced.
    std::function<QString(QWidget* parent)> askFileName;

public slots:
    // Only a session log: a file of the state folder.
    void openSessionLog();
    // Written a page at a time while the dialog goes on answering;
    // `exported` tells when it is done.
    void exportCsv();

signals:
    void exported(bool saved);

private slots:
    void showOnlySerial(const QString& text);
    void updateButtons();
    void exportPage();

private:
    void buildTable();
    void showRows();
    QString selectedLog() const;
    void endExport(bool saved);
    static QString askWithDialog(QWidget* parent);

    std::unique_ptr<HistoryReader> history;
    HistoryReader::Filter filter;
    HistoryTableModel* rows = nullptr;
    QTableView* table = nullptr;
    QLineEdit* serialFilter = nullptr;
    QPushButton* openLogButton = nullptr;
    QPushButton* exportButton = nullptr;
    QTimer* exportTimer = nullptr;
    std::unique_ptr<QSaveFile> exportFile;
    HistoryReader::Filter exportFilter; // the rows shown when the export began
    qint64 exportedDownTo = 0;          // its next page is older than this attempt
};

#endif
