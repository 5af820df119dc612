#include "ui/PLProgressDialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QProgressBar>

PLProgressDialog::PLProgressDialog(const QString& labelText, QWidget* parent)
    : QProgressDialog(labelText, QString(), 0, 0, parent, Qt::WindowFlags())
{
    setWindowTitle(QStringLiteral("Please Wait"));
    setModal(true);
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(labelText, -1) + 100, metrics.height());
}

// The bar is set directly: QProgressDialog::setValue() would run a nested
// event loop and hide the dialog once the value reaches the maximum.
void PLProgressDialog::showPercent(int percent)
{
    auto* bar = findChild<QProgressBar*>();
    if (!bar)
        return;
    if (percent < 0 || percent > 100) {
        bar->setRange(0, 0);
        return;
    }
    bar->setRange(0, 100);
    bar->setValue(percent);
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
