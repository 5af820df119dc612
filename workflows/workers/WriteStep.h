#ifndef WRITESTEP_H
#define WRITESTEP_H

#include "families/CallBudget.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

// One component's clear-then-write, as a row: the update and the restore
// differ only in their lines, the serial number they pass and which rows
// they skip. The images are checked and copied before the first row runs;
// the library reads the copies.
struct WriteStep
{
    // The progress figure is shared with the call; null where none is shown.
    using Progress = std::shared_ptr<double>;
    using Clear = std::function<int(int handle, const Progress& progress)>;
    using Write = std::function<int(int handle, const std::string& image, const Progress& progress)>;

    QString component;   // "boot", "run", "fx3" or "fpga", as records name it
    QString announce;    // the line before the clear
    QString skipLine;    // the line instead, when skipped
    bool skipped = false;
    std::string image;
    Clear clear;
    Write write;
    QString clearFailed; // the lines that say a call failed
    QString writeFailed;
    QString clearReason; // and the reasons kept for it, naming the instrument
    QString writeReason;
    bool showsProgress = false; // the library raises a percentage (FPGA)
    CallBudget::Seconds estimate{0}; // announced; each call's budget is made from it
};

#endif
