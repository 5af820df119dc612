#ifndef PRINTEDHISTORY_H
#define PRINTEDHISTORY_H

#include <QString>

// `history` run in each of its formats on the state folder's history, as
// the operator runs it; each run may take a second at most.
class PrintedHistory
{
public:
    // For LLVMFuzzerInitialize: the application, a UTF-8 locale, and a
    // temporary state folder and updater lock; the folder's path.
    static QString prepare(int* argc, char*** argv);
    // Aborts unless every format prints inert text (PrintedOutput), the
    // JSON parses and holds `rows` attempts, and every CSV row has every
    // field, none beginning as a spreadsheet formula does.
    static void check(int rows);
    // Aborts unless `history` refuses the state folder's history, printing
    // nothing on standard output, and exits 1.
    static void checkRefused();
};

#endif
