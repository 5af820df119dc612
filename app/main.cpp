#include "app/MainWindow.h"
#include "app/StartupEnvironment.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    StartupEnvironment::skipOpenGlIntegration();
    QApplication application(argc, argv);
    MainWindow window(nullptr);
    window.show();
    return QApplication::exec();
}
