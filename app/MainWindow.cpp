#include "app/MainWindow.h"

#include "ui/Updater.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::WindowFlags())
{
    updater = new Updater(this);
    setCentralWidget(updater);
    setWindowTitle(QStringLiteral("RZ610/RZ870 Firmware Updater"));
    resize(800, 400);
}
