#include "ui/PLProgressDialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>

PLProgressDialog::PLProgressDialog(const QString& labelText, QWidget* parent)
    : QProgressDialog(labelText, QString(), 0, 0, parent, Qt::WindowFlags()), text(labelText)
{
    setWindowTitle(tr("Please Wait"));
    setModal(true);
    textLabel = findChild<QLabel*>();
    elapsedLine = new QLabel(elapsedText(0), this);
    elapsedLine->setAlignment(Qt::AlignCenter);
    ticker.setTimerType(Qt::PreciseTimer); // never early, so each second is shown
    ticker.setInterval(1000);
    connect(&ticker, &QTimer::timeout, this, &PLProgressDialog::showElapsed);
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(labelText, -1) + 100, metrics.height());
}

QSize PLProgressDialog::sizeHint() const
{
    return QProgressDialog::sizeHint() + QSize(0, elapsedLineSpace());
}

void PLProgressDialog::showEvent(QShowEvent* event)
{
    sinceShown.start();
    showElapsed();
    ticker.start();
    QProgressDialog::showEvent(event);
}

void PLProgressDialog::hideEvent(QHideEvent* event)
{
    ticker.stop();
    QProgressDialog::hideEvent(event);
}

void PLProgressDialog::showElapsed()
{
    const qint64 seconds = sinceShown.elapsed() / 1000;
    elapsedLine->setText(elapsedText(seconds));
}

QString PLProgressDialog::elapsedText(qint64 seconds)
{
    return tr("Elapsed %1").arg(QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0')));
}

// QProgressDialog places its text and bar itself, the bar at the bottom when
// there is no cancel button; both move up to make room for the elapsed line.
void PLProgressDialog::resizeEvent(QResizeEvent* event)
{
    QProgressDialog::resizeEvent(event);
    placeElapsedLine();
}

void PLProgressDialog::changeEvent(QEvent* event)
{
    QProgressDialog::changeEvent(event);
    if (event->type() == QEvent::StyleChange)
        placeElapsedLine();
}

void PLProgressDialog::placeElapsedLine()
{
    auto* bar = findChild<QProgressBar*>();
    if (!bar || !textLabel)
        return;
    const int lift = elapsedLineSpace();
    const QRect barArea = bar->geometry();
    textLabel->resize(textLabel->width(), qMax(0, textLabel->height() - lift));
    bar->move(barArea.left(), barArea.top() - lift);
    elapsedLine->setGeometry(barArea.left(), barArea.bottom() + 1 - elapsedLine->sizeHint().height(), barArea.width(),
                             elapsedLine->sizeHint().height());
}

int PLProgressDialog::elapsedLineSpace() const
{
    return elapsedLine->sizeHint().height() + style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, this);
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
void PLProgressDialog::showNote(const QString& note)
{
    setLabelText(text + QStringLiteral("\n\n") + note);
}

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
