#ifndef FPGAPROGRESS_H
#define FPGAPROGRESS_H

#include <atomic>

// The percentage the device library raises while it clears or writes an FPGA,
// shared between the worker that makes the calls and the GUI that shows it.
class FpgaProgress
{
public:
    // Worker side: zero the value and mark the FPGA step as running; the
    // returned pointer goes to the library's FPGA calls.
    double* begin();
    void end();

    // GUI side: 0 to 100 while an FPGA step runs, -1 otherwise.
    int percent() const;

private:
    double value = 0.0; // written by the library on the worker's thread
    std::atomic<bool> running{false};
};

#endif
