#ifndef TRANSLATIONS_H
#define TRANSLATIONS_H

#include <QString>

// The operator's language: this program's translation and Qt's own, chosen
// by the desktop's languages as Qt reads them (LANGUAGE, then LC_ALL,
// LC_MESSAGES or LANG), and English where there is none or where LC_ALL or
// LC_MESSAGES is C or POSIX (C.UTF-8 too), as scripts that read the lines set.
class Translations
{
public:
    // Once the application object exists; the translators live as long as it.
    static void install();
    // Where the build and the package put this program's .qm files.
    static QString folder();
};

#endif
