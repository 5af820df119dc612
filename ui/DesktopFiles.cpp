#include "ui/DesktopFiles.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

QString DesktopFiles::saveFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// Opening needs a URL opener, which a bench's desktop may lack; the path is
// selectable so it can be copied into a file manager or a terminal.
void DesktopFiles::open(QWidget* parent, const QString& path, const QString& title, const QString& notOpened)
{
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return;
    QMessageBox box(QMessageBox::Information, title, notOpened.arg(QDir::toNativeSeparators(path)), QMessageBox::Ok,
                    parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}
