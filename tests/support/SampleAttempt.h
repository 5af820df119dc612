#ifndef SAMPLEATTEMPT_H
#define SAMPLEATTEMPT_H

#include "records/history/UpdateAttempt.h"

// An update of the FPGA of RZ610R 12345 to this release, started now on
// this machine, as a flow would open it in the history.
UpdateAttempt sampleAttempt();

#endif
