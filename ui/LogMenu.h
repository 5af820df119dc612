#ifndef LOGMENU_H
#define LOGMENU_H

#include <QObject>
#include "catalogue/OperatorText.h"

#include <QString>

#include <functional>

class QAction;
class QPoint;
class QTextEdit;
class QWidget;

// The log's right-click menu: copy the whole log, save it as a text file to
// send along with a problem report, open the folder of the session logs, or
// show the update history (also Ctrl+H).
class LogMenu : public QObject
{
    Q_OBJECT

public:
    using LineSink = std::function<void(const OperatorText&)>;

    // Becomes the log's child and takes over its context menu. Lines about
    // the history go to `addLine`.
    LogMenu(QTextEdit* log, const QString& logFolder, LineSink addLine);

    // Where "Save Log As..." writes; an empty answer means cancelled.
    // A file dialog starting in the documents folder unless replaced.
    std::function<QString(QWidget* parent)> askFileName;

public slots:
    void copyAll();
    void saveAs();
    void openLogFolder();
    void showHistory();

private slots:
    void showMenu(const QPoint& pos);

private:
    static QString askWithDialog(QWidget* parent);
    void save(const QString& path);

    QTextEdit* log;
    QString logFolder;
    LineSink addLine;
    QAction* historyAction;
};

#endif
