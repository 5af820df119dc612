#ifndef DESKTOPFILES_H
#define DESKTOPFILES_H

#include <QString>

class QWidget;

// The window's files as the operator meets them: where its file dialogs
// start, and folders and files handed to the desktop to open.
class DesktopFiles
{
public:
    // The operator's documents folder, or the home folder where there is
    // none. Never the folder the updater was started in: the menu entry
    // starts it in the package's own, which the operator cannot write.
    static QString saveFolder();

    // Opened by the desktop's program for it (xdg-open), without waiting.
    // Where nothing opens it (no opener, or the opener fails), a dialog says
    // `notOpened` with the path in its %1, so the operator can go there by
    // hand.
    static void open(QWidget* parent, const QString& path, const QString& title, const QString& notOpened);
};

#endif
