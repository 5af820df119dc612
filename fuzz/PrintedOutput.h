#ifndef PRINTEDOUTPUT_H
#define PRINTEDOUTPUT_H

#include <QByteArray>

#include <functional>

// What a command prints on standard output, caught in memory, and whether
// a terminal could take any of it for more than text.
class PrintedOutput
{
public:
    // Standard output while `print` runs.
    static QByteArray of(const std::function<void()>& print);
    // UTF-8 with no control or format character (C0, C1, DEL, direction
    // and joining marks), whatever its plane, but the line breaks.
    static bool isInert(const QByteArray& text);
};

#endif
