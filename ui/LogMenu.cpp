#include "ui/LogMenu.h"

#include "ui/DesktopFiles.h"
#include "ui/HistoryDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
#include <QTextEdit>

#include <utility>

LogMenu::LogMenu(QTextEdit* log, const QString& logFolder, LineSink addLine)
    : QObject(log), askFileName(&LogMenu::askWithDialog), log(log), logFolder(logFolder),
      addLine(std::move(addLine)), historyAction(new QAction(tr("Update History..."), this))
{
    log->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(log, &QWidget::customContextMenuRequested, this, &LogMenu::showMenu);
    // On the log, the shortcut works anywhere in its window.
    historyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    log->addAction(historyAction);
    connect(historyAction, &QAction::triggered, this, &LogMenu::showHistory);
}

// A scroll area reports the position in its viewport's coordinates.
void LogMenu::showMenu(const QPoint& pos)
{
    QMenu menu(log);
    connect(menu.addAction(tr("Copy All")), &QAction::triggered, this, &LogMenu::copyAll);
    connect(menu.addAction(tr("Save Log As...")), &QAction::triggered, this, &LogMenu::saveAs);
    QAction* openFolder = menu.addAction(tr("Open Log Folder"));
    openFolder->setEnabled(QFileInfo(logFolder).isDir()); // not when it could not be made
    connect(openFolder, &QAction::triggered, this, &LogMenu::openLogFolder);
    menu.addSeparator();
    menu.addAction(historyAction);
    menu.exec(log->viewport()->mapToGlobal(pos));
}

void LogMenu::copyAll()
{
    QApplication::clipboard()->setText(log->toPlainText(), QClipboard::Clipboard);
}

void LogMenu::saveAs()
{
    const QString path = askFileName(log);
    if (!path.isEmpty())
        save(path);
}

void LogMenu::openLogFolder()
{
    DesktopFiles::open(log->window(), logFolder, tr("Open Log Folder"),
                       tr("The log folder could not be opened. It is:\n\n%1"));
}

void LogMenu::showHistory()
{
    HistoryDialog dialog(log->window(), addLine);
    dialog.exec();
}

QString LogMenu::askWithDialog(QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent, tr("Save Log As"),
                                        QDir(DesktopFiles::saveFolder()).filePath(QStringLiteral("rz-updater-log.txt")),
                                        tr("Text files (*.txt);;All files (*)"));
}

// QSaveFile leaves an existing file untouched unless the whole log was written.
void LogMenu::save(const QString& path)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write((log->toPlainText() + QLatin1Char('\n')).toUtf8());
        if (file.commit())
            return;
    }
    QMessageBox::warning(log, tr("Save Log"),
                         tr("The log could not be saved to %1.\n\n%2")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
}
