#ifndef OPENEDINSTRUMENT_H
#define OPENEDINSTRUMENT_H

#include <functional>

// A handle of the device library, -1 until an open or a bootstrap writes it.
// Told to, it closes the instrument when it goes, whatever the way out (a
// check that read what it needed, a bootstrap, failed or not); otherwise it
// leaves the handle open, as an update does and a restore until its end.
class OpenedInstrument
{
public:
    using Close = std::function<int(int handle)>;

    explicit OpenedInstrument(Close close);
    ~OpenedInstrument();
    OpenedInstrument(const OpenedInstrument&) = delete;
    OpenedInstrument& operator=(const OpenedInstrument&) = delete;

    // For the open or bootstrap call to write.
    int* handleOut() { return &value; }
    int handle() const { return value; }

    void closeWhenDone() { closing = true; }
    // Closes now, if told to close at all; once.
    void close();

private:
    Close closeCall;
    int value = -1;
    bool closing = false;
};

#endif
