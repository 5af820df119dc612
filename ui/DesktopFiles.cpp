#include "ui/DesktopFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

QString DesktopFiles::saveFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// Opening needs the desktop's opener, which a bench's desktop may lack, or
// which may find no program for a folder (xdg-open then ends with 3 or 4).
// QDesktopServices reports success once the opener has started, whatever
// it then finds: the opener's own exit status decides, without waiting for
// it. The path is selectable so it can be copied into a file manager or a
// terminal.
//
// The opener belongs to no window: a window closed while it runs would kill
// it, and the kill would read as the opener failing.
void DesktopFiles::open(QWidget* parent, const QString& path, const QString& title, const QString& notOpened)
{
    auto* opener = new QProcess;
    const QPointer<QWidget> window(parent);
    const auto showPath = [=] {
        opener->deleteLater();
        QMessageBox box(QMessageBox::Information, title, notOpened.arg(QDir::toNativeSeparators(path)),
                        QMessageBox::Ok, window.data());
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        box.exec();
    };
    QObject::connect(opener, &QProcess::errorOccurred, opener, [=](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            showPath();
    });
    QObject::connect(opener, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), opener,
                     [=](int exitCode, QProcess::ExitStatus status) {
                         if (status == QProcess::NormalExit && exitCode == 0)
                             opener->deleteLater();
                         else
                             showPath();
                     });
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->start(QStringLiteral("xdg-open"), {path});
}
