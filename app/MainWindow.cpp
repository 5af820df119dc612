#include "app/MainWindow.h"

#include "catalogue/Catalogue.h"
#include "ui/Updater.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::WindowFlags())
{
    updater = new Updater(this);
    setCentralWidget(updater);
    setWindowTitle(tr("%1 Firmware Updater").arg(productLine()));
    resize(800, 400);
}
