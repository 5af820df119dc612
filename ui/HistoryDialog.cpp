#include "ui/HistoryDialog.h"

#include "catalogue/OperatorText.h"
#include "catalogue/PrintableText.h"
#include "host/StateFolder.h"
#include "ui/DesktopFiles.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QTimer>

namespace {

// The history's columns that the table shows, in its order.
enum Column { Started = 1, Action = 5, Model = 6, Serial = 7, VersionBefore = 8, VersionTarget = 9, State = 11 };
constexpr int shownColumns[] = {Started, Action, Model, Serial, VersionBefore, VersionTarget, State};

constexpr int rowsExportedAtOnce = 2000;

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

// The attempts as the table shows them; the model fetches them from the
// query a page at a time.
class ShownRows : public QSqlQueryModel
{
public:
    using QSqlQueryModel::QSqlQueryModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        // record() reads the stored values through the edit role.
        if (role != Qt::DisplayRole || !index.isValid())
            return QSqlQueryModel::data(index, role);
        const UpdateAttempt attempt = UpdateHistory::attemptIn(record(index.row()));
        switch (index.column()) {
        case Started:
            return shownTime(attempt.started);
        case Action:
            return PrintableText::of(shownAction(attempt.action));
        case VersionBefore:
            return attempt.versionBefore.isEmpty() ? QStringLiteral("-") : PrintableText::of(attempt.versionBefore);
        case State:
            return PrintableText::of(shownResult(attempt));
        default:
            return PrintableText::of(QSqlQueryModel::data(index, role).toString());
        }
    }

    static QString shownAction(const QString& action)
    {
        if (action == QLatin1String("update"))
            return HistoryDialog::tr("update");
        return action == QLatin1String("restore") ? HistoryDialog::tr("restore") : action;
    }

    // The history keeps English; the dialog shows the state, and the error
    // where this run said it, in the operator's language.
    static QString shownResult(const UpdateAttempt& attempt)
    {
        static const QHash<QString, const char*> states{
            {QStringLiteral("pending"), QT_TRANSLATE_NOOP("HistoryDialog", "pending")},
            {QStringLiteral("succeeded"), QT_TRANSLATE_NOOP("HistoryDialog", "succeeded")},
            {QStringLiteral("failed"), QT_TRANSLATE_NOOP("HistoryDialog", "failed")},
            {QStringLiteral("interrupted"), QT_TRANSLATE_NOOP("HistoryDialog", "interrupted")},
        };
        const char* known = states.value(attempt.state);
        const QString state = known ? HistoryDialog::tr(known) : attempt.state;
        return attempt.error.isEmpty() ? state
                                       : HistoryDialog::tr("%1: %2").arg(state, OperatorText::shown(attempt.error));
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QSqlQueryModel::headerData(section, orientation, role);
        switch (section) {
        case Started: return HistoryDialog::tr("Time");
        case Action: return HistoryDialog::tr("Action");
        case Model: return HistoryDialog::tr("Model");
        case Serial: return HistoryDialog::tr("Serial");
        case VersionBefore: return HistoryDialog::tr("From");
        case VersionTarget: return HistoryDialog::tr("To");
        case State: return HistoryDialog::tr("Result");
        default: return QVariant();
        }
    }
};

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

// This window's updater holds the machine's lock: a pending row is from
// one that died. A reader: opening it here never waits for a check.
HistoryDialog::HistoryDialog(QWidget* parent, const LineSink& say)
    : QDialog(parent),
      askFileName(&HistoryDialog::askWithDialog),
      history(std::make_unique<UpdateHistory>(say, UpdateHistory::Access::Reader))
{
    setWindowTitle(tr("Update History"));
    buildTable();
    showRows();
    resize(760, 420);
}

// The queries go before the connection they run on.
HistoryDialog::~HistoryDialog()
{
    exportRows = QSqlQuery();
    rows->clear();
}

void HistoryDialog::buildTable()
{
    rows = new ShownRows(this);
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

// The newest page at once; the rest as the table is scrolled.
void HistoryDialog::showRows()
{
    rows->setQuery(history->select(filter, false, false));
    for (int column = 0; column < rows->columnCount(); ++column) {
        const bool shown = std::find(std::begin(shownColumns), std::end(shownColumns), column) != std::end(shownColumns);
        table->setColumnHidden(column, !shown);
    }
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
    return selected.isEmpty() ? QString() : UpdateHistory::attemptIn(rows->record(selected.first().row())).log;
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
    exportRows = history->select(filter, false, true);
    if (!exportFile->open(QIODevice::WriteOnly) || !exportRows.isActive()) {
        endExport(false);
        return;
    }
    exportFile->write(UpdateAttempt::csvHeader());
    exportTimer->start();
    updateButtons();
}

void HistoryDialog::exportPage()
{
    for (int row = 0; row < rowsExportedAtOnce; ++row) {
        if (!exportRows.next()) {
            endExport(!exportRows.lastError().isValid() && exportFile->commit());
            return;
        }
        exportFile->write(UpdateAttempt::csvRow([this](int index) { return exportRows.value(index); }));
    }
}

void HistoryDialog::endExport(bool saved)
{
    exportTimer->stop();
    exportRows = QSqlQuery();
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
