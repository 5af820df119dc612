#include "ui/PLProgressDialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>

PLProgressDialog::PLProgressDialog(const QString& labelText, QWidget* parent)
    : QProgressDialog(labelText, QString(), 0, 0, parent, Qt::WindowFlags())
{
    setWindowTitle(QStringLiteral("Please Wait"));
    setModal(true);
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(labelText, -1) + 100, metrics.height());
}

// Escape and the window's close button end in reject(); while a worker runs
// there is nothing the operator may cancel, so they do nothing.
void PLProgressDialog::reject()
{
}

void PLProgressDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QProgressDialog::keyPressEvent(event);
}

// QProgressDialog would treat a close request as a cancel and hide itself.
void PLProgressDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
