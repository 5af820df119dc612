#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>

class Updater;

// The updater's only window; the panel is its central widget.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

private:
    Updater* updater = nullptr;
};

#endif
