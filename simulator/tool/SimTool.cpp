#include "simulator/tool/SimTool.h"

int SimTool::run(const QStringList& arguments)
{
    return arguments.size() > 1 ? 0 : 1;
}
