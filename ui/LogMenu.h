#ifndef LOGMENU_H
#define LOGMENU_H

#include <QObject>

#include <functional>

class QPoint;
class QTextEdit;
class QWidget;

// The log's right-click menu: copy the whole log, or save it as a text file
// to send along with a problem report.
class LogMenu : public QObject
{
    Q_OBJECT

public:
    // Becomes the log's child and takes over its context menu.
    explicit LogMenu(QTextEdit* log);

    // Where "Save Log As..." writes; an empty answer means cancelled.
    // A file dialog unless replaced.
    std::function<QString(QWidget* parent)> askFileName;

public slots:
    void copyAll();
    void saveAs();

private slots:
    void showMenu(const QPoint& pos);

private:
    static QString askWithDialog(QWidget* parent);
    void save(const QString& path);

    QTextEdit* log;
};

#endif
