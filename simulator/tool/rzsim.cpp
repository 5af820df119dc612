#include "simulator/tool/SimTool.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rzsim"));
    return SimTool().run(QCoreApplication::arguments());
}
