#ifndef PRINTABLETEXT_H
#define PRINTABLETEXT_H

#include <QString>

// Text that came from a file anyone could have edited (the history, a
// recording of the device library's calls), made safe to print: its
// control characters written as escapes (\x1B, \u202E, \U000E0001), so
// that it cannot drive a terminal, ring its bell, reorder what a table or a
// line shows or hide text in it.
class PrintableText
{
public:
    static QString of(const QString& text);

    // Whether a character (a code point, in any plane) is one of those.
    static bool isControl(uint character);
};

#endif
