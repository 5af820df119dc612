#ifndef WRITESTEP_H
#define WRITESTEP_H

#include "families/CallBudget.h"

#include <QString>

#include <string>

// One component's clear-then-write as the plan has it: the update and the
// restore differ only in their lines, the serial number they pass and which
// rows they skip. The images are checked and copied before the first row
// runs; the library reads the copies.
struct WriteStep
{
    QString component;   // "boot", "run", "fx3" or "fpga", as records name it
    OperatorText label;       // as the lines name it: "boot Fx3", "FPGA"
    OperatorText announce;    // the line before the clear
    OperatorText skipLine;    // the line instead, when skipped
    bool skipped = false;
    std::string image;
    int serial = -1;     // what the write passes
    CallBudget::Seconds estimate{0}; // announced, for the clear and for the write
    CallBudget::Seconds budget{0};   // allowed each of the two, unscaled
    OperatorText clearFailed; // the lines that say a call failed
    OperatorText writeFailed;
    OperatorText clearReason; // and the reasons kept for it, naming the instrument
    OperatorText writeReason;
    bool showsProgress = false; // the library raises a percentage (FPGA)
};

#endif
