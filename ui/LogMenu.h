#ifndef LOGMENU_H
#define LOGMENU_H

#include <QObject>
#include <QString>

#include <functional>

class QPoint;
class QTextEdit;
class QWidget;

// The log's right-click menu: copy the whole log, save it as a text file to
// send along with a problem report, or open the folder of the session logs.
class LogMenu : public QObject
{
    Q_OBJECT

public:
    // Becomes the log's child and takes over its context menu.
    LogMenu(QTextEdit* log, const QString& logFolder);

    // Where "Save Log As..." writes; an empty answer means cancelled.
    // A file dialog unless replaced.
    std::function<QString(QWidget* parent)> askFileName;

public slots:
    void copyAll();
    void saveAs();
    void openLogFolder();

private slots:
    void showMenu(const QPoint& pos);

private:
    static QString askWithDialog(QWidget* parent);
    void save(const QString& path);

    QTextEdit* log;
    QString logFolder;
};

#endif
