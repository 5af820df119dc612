#ifndef PLPROGRESSDIALOG_H
#define PLPROGRESSDIALOG_H

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTimer>

class QLabel;

// The modal "Please Wait" dialog shown while a worker runs. It has no cancel
// button and the operator cannot close it: firmware may be being written.
// A line under the bar counts the time since it was shown, so a step of
// many minutes shows a sign of life besides the bar's animation.
class PLProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    explicit PLProgressDialog(const QString& labelText, QWidget* parent = nullptr);

    // A percentage of 0 to 100 shows a determinate bar; anything else the
    // busy bar again.
    void showPercent(int percent);
    // Under the dialog's own text, in place of the last note.
    void showNote(const QString& note);

    QSize sizeHint() const override;

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showElapsed();
    static QString elapsedText(qint64 seconds);
    void placeElapsedLine();
    int elapsedLineSpace() const;

    QString text;
    QLabel* textLabel = nullptr;
    QLabel* elapsedLine = nullptr;
    QTimer ticker;
    QElapsedTimer sinceShown;
};

#endif
