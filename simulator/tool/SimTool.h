#ifndef SIMTOOL_H
#define SIMTOOL_H

#include <QStringList>

// The rzsim command line: creates and inspects the simulated instrument.
class SimTool
{
public:
    int run(const QStringList& arguments);
};

#endif
