#include "ui/HistoryDialog.h"

#include "host/StateFolder.h"
#include "ui/DesktopFiles.h"
#include "ui/HistoryTableModel.h"

#include <QBoxLayout>
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
#include <QTableView>
#include <QTimer>

namespace {

constexpr int rowsExportedAtOnce = 2000;

// The row's log could name any file; only a session log, a plain file of
// the state folder, is handed to the desktop.
bool isSessionLog(const QString& path)
{
    const QFileInfo log(path);
    const QString folder = QFileInfo(stateFolder()).canonicalFilePath();
    const QString canonical = log.canonicalFilePath();
    return !folder.isEmpty() && !canonical.isEmpty() && canonical.startsWith(folder + QLatin1Char('/'))
           && QFileInfo(canonical).isFile() && canonical.endsWith(QLatin1String(".log"));
}

} // namespace

// A reader: opening it here never waits for a check.
HistoryDialog::HistoryDialog(QWidget* parent, const LineSink& say)
    : QDialog(parent), askFileName(&HistoryDialog::askWithDialog), history(std::make_unique<HistoryReader>(say))
{
    setWindowTitle(tr("Update History"));
    buildTable();
    showRows();
    resize(760, 420);
}

// The table's rows are read through the history: they go first.
HistoryDialog::~HistoryDialog()
{
    delete rows;
}

void HistoryDialog::buildTable()
{
    rows = new HistoryTableModel(*history, this);
    table = new QTableView;
    table->setModel(rows);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setAccessibleName(tr("Update history"));

    serialFilter = new QLineEdit;
    serialFilter->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}")), serialFilter));
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

    exportTimer = new QTimer(this);
    exportTimer->setInterval(0);

    connect(serialFilter, &QLineEdit::textChanged, this, &HistoryDialog::showOnlySerial);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &HistoryDialog::updateButtons);
    connect(openLogButton, &QPushButton::clicked, this, &HistoryDialog::openSessionLog);
    connect(exportButton, &QPushButton::clicked, this, &HistoryDialog::exportCsv);
    connect(exportTimer, &QTimer::timeout, this, &HistoryDialog::exportPage);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void HistoryDialog::showRows()
{
    rows->show(filter);
    for (int column = 0; column < rows->columnCount(); ++column)
        table->setColumnHidden(column, !HistoryTableModel::isShown(column));
    table->resizeColumnsToContents();
    updateButtons();
}

// The whole serial number, as `history --serial` takes it: 111 is not 1110.
void HistoryDialog::showOnlySerial(const QString& text)
{
    filter.serial = text.isEmpty() ? std::nullopt : std::optional<int>(text.toInt());
    showRows();
}

void HistoryDialog::updateButtons()
{
    openLogButton->setEnabled(isSessionLog(selectedLog()));
    exportButton->setEnabled(rows->rowCount() > 0 && !exportTimer->isActive());
}

QString HistoryDialog::selectedLog() const
{
    const QModelIndexList selected = table->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : rows->attemptAt(selected.first().row()).log;
}

void HistoryDialog::openSessionLog()
{
    const QString log = selectedLog();
    if (isSessionLog(log))
        DesktopFiles::open(this, log, tr("Open Session Log"), tr("The session log could not be opened. It is:\n\n%1"));
}

// QSaveFile leaves an existing file untouched unless the whole export was
// written; closing the dialog first abandons it.
void HistoryDialog::exportCsv()
{
    if (exportTimer->isActive())
        return;
    const QString path = askFileName(this);
    if (path.isEmpty())
        return;
    exportFile = std::make_unique<QSaveFile>(path);
    exportFilter = filter;
    exportedDownTo = 0;
    if (!exportFile->open(QIODevice::WriteOnly)) {
        endExport(false);
        return;
    }
    exportFile->write(UpdateAttempt::csvHeader());
    exportTimer->start();
    updateButtons();
}

// A page goes on below the last id of the one before, as the table's do;
// what the table shows meanwhile changes nothing.
void HistoryDialog::exportPage()
{
    const std::optional<QList<UpdateAttempt>> page =
        history->page(exportFilter, false, exportedDownTo, rowsExportedAtOnce);
    if (!page) {
        endExport(false);
        return;
    }
    for (const UpdateAttempt& attempt : *page)
        exportFile->write(attempt.csvRow());
    if (page->size() < rowsExportedAtOnce || page->last().id <= 0) {
        endExport(exportFile->commit());
        return;
    }
    exportedDownTo = page->last().id;
}

void HistoryDialog::endExport(bool saved)
{
    exportTimer->stop();
    const QString path = exportFile->fileName();
    const QString reason = exportFile->error() != QFileDevice::NoError ? exportFile->errorString()
                                                                        : tr("The history could not be read.");
    exportFile.reset();
    updateButtons();
    if (!saved) {
        QMessageBox::warning(this, tr("Export CSV"),
                             tr("The history could not be saved to %1.\n\n%2").arg(QDir::toNativeSeparators(path), reason));
    }
    emit exported(saved);
}

QString HistoryDialog::askWithDialog(QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent, tr("Export CSV"),
                                        QDir(DesktopFiles::saveFolder()).filePath(QStringLiteral("update-history.csv")),
                                        tr("CSV files (*.csv);;All files (*)"));
}
