#ifndef FPGAPROGRESS_H
#define FPGAPROGRESS_H

#include <atomic>
#include <memory>

// The percentage the device library raises while it clears or writes an FPGA,
// shared between the worker that makes the calls and the GUI that shows it.
class FpgaProgress
{
public:
    // Worker side: zero the value and mark the FPGA step as running; the
    // returned value goes to the library's FPGA calls, which share it, so
    // that a call given up on writes into a figure that still exists.
    std::shared_ptr<double> begin();
    void end();

    // GUI side: 0 to 100 while an FPGA step runs, -1 otherwise.
    int percent() const;

private:
    // Written by the library on its thread; the same figure for every step.
    const std::shared_ptr<double> value = std::make_shared<double>(0.0);
    std::atomic<bool> running{false};
};

#endif
