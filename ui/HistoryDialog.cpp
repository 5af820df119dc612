#include "ui/HistoryDialog.h"

#include "workflows/UpdateHistory.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QUrl>

namespace {

enum Column { TimeColumn, ModelColumn, SerialColumn, FromColumn, ToColumn, ResultColumn };

constexpr int attemptIndexRole = Qt::UserRole;

} // namespace

HistoryDialog::HistoryDialog(QWidget* parent, const LineSink& say)
    : QDialog(parent), askFileName(&HistoryDialog::askWithDialog)
{
    setWindowTitle(tr("Update History"));
    buildTable();
    // This window's updater holds the machine's lock: a pending row is from
    // one that died.
    attempts = UpdateHistory(say).attempts(UpdateHistory::Filter(), false);
    fill();
    updateButtons();
    resize(760, 420);
}

void HistoryDialog::buildTable()
{
    rows = new QStandardItemModel(0, 6, this);
    rows->setHorizontalHeaderLabels({tr("Time"), tr("Model"), tr("Serial"), tr("From"), tr("To"), tr("Result")});
    filtered = new QSortFilterProxyModel(this);
    filtered->setSourceModel(rows);
    filtered->setFilterKeyColumn(SerialColumn);

    table = new QTableView;
    table->setModel(filtered);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setAccessibleName(tr("Update history"));

    serialFilter = new QLineEdit;
    serialFilter->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), serialFilter));
    serialFilter->setPlaceholderText(tr("any"));
    serialFilter->setClearButtonEnabled(true);
    auto* serialLabel = new QLabel(tr("&Serial number:"));
    serialLabel->setBuddy(serialFilter);

    openLogButton = new QPushButton(tr("Open Session Log"));
    exportButton = new QPushButton(tr("Export CSV..."));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(openLogButton, QDialogButtonBox::ActionRole);
    buttons->addButton(exportButton, QDialogButtonBox::ActionRole);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(serialLabel);
    filterRow->addWidget(serialFilter);
    filterRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(table, 1);
    layout->addWidget(buttons);

    connect(serialFilter, &QLineEdit::textChanged, this, &HistoryDialog::showOnlySerial);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &HistoryDialog::updateButtons);
    connect(openLogButton, &QPushButton::clicked, this, &HistoryDialog::openSessionLog);
    connect(exportButton, &QPushButton::clicked, this, &HistoryDialog::exportCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// Times in local time, as the session logs have them.
void HistoryDialog::fill()
{
    for (int index = 0; index < attempts.size(); ++index) {
        const UpdateAttempt& attempt = attempts.at(index);
        QList<QStandardItem*> row{
            new QStandardItem(attempt.started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))),
            new QStandardItem(attempt.model),
            new QStandardItem(QString::number(attempt.serial)),
            new QStandardItem(attempt.versionBefore.isEmpty() ? QStringLiteral("-") : attempt.versionBefore),
            new QStandardItem(attempt.versionTarget),
            new QStandardItem(attempt.result()),
        };
        row.first()->setData(index, attemptIndexRole);
        rows->appendRow(row);
    }
    table->resizeColumnsToContents();
}

// The whole serial number, as `history --serial` takes it: 111 is not 1110.
void HistoryDialog::showOnlySerial(const QString& text)
{
    const QString serial = QRegularExpression::escape(text.trimmed());
    filtered->setFilterRegularExpression(serial.isEmpty() ? QString() : QStringLiteral("^%1$").arg(serial));
    updateButtons();
}

void HistoryDialog::updateButtons()
{
    const QModelIndexList selected = table->selectionModel()->selectedRows();
    const bool logThere = !selected.isEmpty()
                          && QFileInfo(attempts.at(selected.first().data(attemptIndexRole).toInt()).log).isFile();
    openLogButton->setEnabled(logThere);
    exportButton->setEnabled(filtered->rowCount() > 0);
}

void HistoryDialog::openSessionLog()
{
    const QModelIndexList selected = table->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(attempts.at(selected.first().data(attemptIndexRole).toInt()).log));
}

QList<UpdateAttempt> HistoryDialog::shownAttempts() const
{
    QList<UpdateAttempt> shown;
    for (int row = 0; row < filtered->rowCount(); ++row)
        shown << attempts.at(filtered->index(row, TimeColumn).data(attemptIndexRole).toInt());
    return shown;
}

// QSaveFile leaves an existing file untouched unless the whole export was written.
void HistoryDialog::exportCsv()
{
    const QString path = askFileName(this);
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(UpdateAttempt::toCsv(shownAttempts()));
        if (file.commit())
            return;
    }
    QMessageBox::warning(this, tr("Export CSV"),
                         tr("The history could not be saved to %1.\n\n%2")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
}

QString HistoryDialog::askWithDialog(QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent, tr("Export CSV"), QStringLiteral("update-history.csv"),
                                        tr("CSV files (*.csv);;All files (*)"));
}
