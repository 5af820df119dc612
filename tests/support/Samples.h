#ifndef SAMPLES_H
#define SAMPLES_H

#include "catalogue/DeviceState.h"
#include "records/history/UpdateAttempt.h"

// What the suites hand the records and the flows where any plausible value
// does.

// An update of the FPGA of RZ610R 12345 to this release, started now on
// this machine, as a flow would open it in the history.
UpdateAttempt sampleAttempt();

// Instrument 12345 of the catalogue's `deviceType`, operational at
// `current`, as a check finds it.
DeviceState sampleInstrument(int deviceType, const FirmwareVersion& current);

#endif
